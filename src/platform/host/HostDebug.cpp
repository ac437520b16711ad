#include "HostDebug.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

CHostDebug::CHostDebug(std::string strLogPath)
    : m_strLogPath(std::move(strLogPath)) {
  const char* pszDebug = std::getenv("QUORREL_DEBUG");
  m_bStderr = pszDebug != nullptr && std::strcmp(pszDebug, "1") == 0;
}

void CHostDebug::OutputDebugStringA(const char* lpOutputString) {
  const char* pszText = lpOutputString ? lpOutputString : "";
  const size_t cch = std::strlen(pszText);
  const bool bNewline = cch > 0 && pszText[cch - 1] == '\n';
  if (m_bStderr) std::fprintf(stderr, "%s%s", pszText, bNewline ? "" : "\n");
  if (m_strLogPath.empty()) return;
  FILE* pFile = std::fopen(m_strLogPath.c_str(), "a");
  if (pFile == nullptr) return;
  std::fprintf(pFile, "[%ld] %s%s", static_cast<long>(getpid()), pszText,
               bNewline ? "" : "\n");
  std::fclose(pFile);
}
