// Access tokens, identifiers, privileges and the shutdown request over
// advapi32, for the current thread and process.
#pragma once

#include "../Security.h"

class CWin32Security : public ISecurity {
 public:
  BOOL OpenThreadToken(DWORD dwDesiredAccess, BOOL bOpenAsSelf,
                       HANDLE* phToken) override;
  BOOL OpenProcessToken(DWORD dwDesiredAccess, HANDLE* phToken) override;
  BOOL GetTokenInformation(HANDLE hToken, TOKEN_INFORMATION_CLASS cls,
                           void* pInfo, DWORD dwLength,
                           DWORD* pdwReturnLength) override;
  BOOL AllocateAndInitializeSid(PSID_IDENTIFIER_AUTHORITY pAuthority,
                                BYTE nSubAuthorityCount, DWORD dw0, DWORD dw1,
                                DWORD dw2, DWORD dw3, DWORD dw4, DWORD dw5,
                                DWORD dw6, DWORD dw7, PSID* ppSid) override;
  BOOL EqualSid(PSID pSid1, PSID pSid2) override;
  void FreeSid(PSID pSid) override;
  BOOL LookupPrivilegeValueA(const char* lpSystemName, const char* lpName,
                             PLUID pLuid) override;
  BOOL AdjustTokenPrivileges(HANDLE hToken, BOOL bDisableAll,
                             PTOKEN_PRIVILEGES pNewState) override;
  BOOL InitiateSystemShutdownA(const char* lpMachineName, const char* lpMessage,
                               DWORD dwTimeout, BOOL bForceAppsClosed,
                               BOOL bRebootAfterShutdown) override;
  BOOL CloseHandle(HANDLE hObject) override;
};
