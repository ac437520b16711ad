#include "Win32Security.h"

BOOL CWin32Security::OpenThreadToken(DWORD dwDesiredAccess, BOOL bOpenAsSelf,
                                     HANDLE* phToken) {
  return ::OpenThreadToken(::GetCurrentThread(), dwDesiredAccess, bOpenAsSelf,
                           phToken);
}

BOOL CWin32Security::OpenProcessToken(DWORD dwDesiredAccess, HANDLE* phToken) {
  return ::OpenProcessToken(::GetCurrentProcess(), dwDesiredAccess, phToken);
}

BOOL CWin32Security::GetTokenInformation(HANDLE hToken,
                                         TOKEN_INFORMATION_CLASS cls,
                                         void* pInfo, DWORD dwLength,
                                         DWORD* pdwReturnLength) {
  return ::GetTokenInformation(hToken, cls, pInfo, dwLength, pdwReturnLength);
}

BOOL CWin32Security::AllocateAndInitializeSid(
    PSID_IDENTIFIER_AUTHORITY pAuthority, BYTE nSubAuthorityCount, DWORD dw0,
    DWORD dw1, DWORD dw2, DWORD dw3, DWORD dw4, DWORD dw5, DWORD dw6, DWORD dw7,
    PSID* ppSid) {
  return ::AllocateAndInitializeSid(pAuthority, nSubAuthorityCount, dw0, dw1,
                                    dw2, dw3, dw4, dw5, dw6, dw7, ppSid);
}

BOOL CWin32Security::EqualSid(PSID pSid1, PSID pSid2) {
  return ::EqualSid(pSid1, pSid2);
}

void CWin32Security::FreeSid(PSID pSid) { ::FreeSid(pSid); }

BOOL CWin32Security::LookupPrivilegeValueA(const char* lpSystemName,
                                           const char* lpName, PLUID pLuid) {
  return ::LookupPrivilegeValueA(lpSystemName, lpName, pLuid);
}

BOOL CWin32Security::AdjustTokenPrivileges(HANDLE hToken, BOOL bDisableAll,
                                           PTOKEN_PRIVILEGES pNewState) {
  // No previous state is asked for.
  return ::AdjustTokenPrivileges(hToken, bDisableAll, pNewState, 0, nullptr,
                                 nullptr);
}

BOOL CWin32Security::InitiateSystemShutdownA(const char* lpMachineName,
                                             const char* lpMessage,
                                             DWORD dwTimeout,
                                             BOOL bForceAppsClosed,
                                             BOOL bRebootAfterShutdown) {
  // The Windows prototype takes writable strings; it only reads them.
  return ::InitiateSystemShutdownA(const_cast<char*>(lpMachineName),
                                   const_cast<char*>(lpMessage), dwTimeout,
                                   bForceAppsClosed, bRebootAfterShutdown);
}

BOOL CWin32Security::CloseHandle(HANDLE hObject) {
  return ::CloseHandle(hObject);
}
