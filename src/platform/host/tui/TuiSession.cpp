#include "TuiSession.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "TuiUser.h"
#include "platform/host/files/HostShell.h"

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

void UseTerminalFolderBrowser(IUiAdapter* pUi, CHostShell& shell,
                              CHostFileSystem& files) {
  auto* pTui = dynamic_cast<CTuiUser*>(pUi);
  if (!pTui) return;
  shell.SetFolderPrompt([pTui, &files](const std::string& strTitle,
                                       CFolderFilter pfnOffered,
                                       std::string* pstrFolder) {
    return pTui->PromptFolder(files, strTitle, pfnOffered, pstrFolder) ? true
                                                                       : false;
  });
}
