#include "SystemFolders.h"

#include "platform/Platform.h"

namespace {
// A length of 0 is a failure; one of MAX_PATH or more is the size the path
// would need, and the buffer holds nothing usable.
BOOL Take(DWORD nLength, const char* pszBuffer, std::string* pstrPath) {
  if (nLength == 0) return FALSE;
  if (nLength >= MAX_PATH) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  pstrPath->assign(pszBuffer, nLength);
  return TRUE;
}
}  // namespace

BOOL FetchSystemDirectory(std::string* pstrPath) {
  char szPath[MAX_PATH] = "";
  return Take(Files().GetSystemDirectoryA(szPath, MAX_PATH), szPath, pstrPath);
}

BOOL FetchWindowsDirectory(std::string* pstrPath) {
  char szPath[MAX_PATH] = "";
  return Take(Files().GetWindowsDirectoryA(szPath, MAX_PATH), szPath, pstrPath);
}

BOOL FetchTempPath(std::string* pstrPath) {
  char szPath[MAX_PATH] = "";
  return Take(Files().GetTempPathA(MAX_PATH, szPath), szPath, pstrPath);
}
