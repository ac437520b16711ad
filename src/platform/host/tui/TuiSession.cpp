#include "TuiSession.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "TuiUser.h"

BOOL HasUsableTerminal() {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return FALSE;
  const char* pszTerm = std::getenv("TERM");
  if (!pszTerm || !*pszTerm || std::strcmp(pszTerm, "dumb") == 0) return FALSE;
  return TRUE;
}

std::unique_ptr<CHostUser> CreateHostUser(const std::string& strWindowDirectory,
                                          IUiAdapter** ppUi) {
  *ppUi = nullptr;
  if (!HasUsableTerminal())
    return std::make_unique<CHostUser>(strWindowDirectory);
  auto pTui = std::make_unique<CTuiUser>(strWindowDirectory);
  *ppUi = pTui.get();
  return pTui;
}
