#include "SystemFolders.h"

#include "fw/MessageBox.h"
#include "platform/Platform.h"
#include "res/ClearStringIds.h"

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

BOOL Reported(BOOL bFetched, UINT nIDPrompt) {
  if (bFetched) return TRUE;
  AfxFormatMessageBox(nIDPrompt, MB_OK | MB_ICONEXCLAMATION,
                      static_cast<int>(GetLastError()));
  return FALSE;
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

BOOL FetchSystemDirectoryOrReport(std::string* pstrPath) {
  return Reported(FetchSystemDirectory(pstrPath),
                  IDS_GET_SYSTEM_DIRECTORY_FAILED);
}

BOOL FetchWindowsDirectoryOrReport(std::string* pstrPath) {
  return Reported(FetchWindowsDirectory(pstrPath),
                  IDS_GET_WINDOWS_DIRECTORY_FAILED);
}

BOOL FetchTempPathOrReport(std::string* pstrPath) {
  return Reported(FetchTempPath(pstrPath), IDS_GET_TEMP_PATH_FAILED);
}
