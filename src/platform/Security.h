// Access tokens, security identifiers, privileges and the shutdown request,
// with the semantics of the advapi32 functions of the same names. BOOL
// results; on failure the thread's last error is set.
#pragma once

#include "WinTypes.h"

class ISecurity {
 public:
  virtual ~ISecurity() = default;

  // Fails with ERROR_NO_TOKEN when the thread is not impersonating.
  virtual BOOL OpenThreadToken(DWORD dwDesiredAccess, BOOL bOpenAsSelf,
                               HANDLE* phToken) = 0;
  virtual BOOL OpenProcessToken(DWORD dwDesiredAccess, HANDLE* phToken) = 0;
  // With a buffer too small, fails with ERROR_INSUFFICIENT_BUFFER and sets
  // *pdwReturnLength to the size needed.
  virtual BOOL GetTokenInformation(HANDLE hToken, TOKEN_INFORMATION_CLASS cls,
                                   void* pInfo, DWORD dwLength,
                                   DWORD* pdwReturnLength) = 0;
  virtual BOOL AllocateAndInitializeSid(PSID_IDENTIFIER_AUTHORITY pAuthority,
                                        BYTE nSubAuthorityCount, DWORD dw0,
                                        DWORD dw1, DWORD dw2, DWORD dw3,
                                        DWORD dw4, DWORD dw5, DWORD dw6,
                                        DWORD dw7, PSID* ppSid) = 0;
  virtual BOOL EqualSid(PSID pSid1, PSID pSid2) = 0;
  virtual void FreeSid(PSID pSid) = 0;
  virtual BOOL LookupPrivilegeValueA(const char* lpSystemName,
                                     const char* lpName, PLUID pLuid) = 0;
  // Sets the last error to 0 on full success and to ERROR_NOT_ALL_ASSIGNED
  // when the token lacks a privilege, while still returning TRUE.
  virtual BOOL AdjustTokenPrivileges(HANDLE hToken, BOOL bDisableAll,
                                     PTOKEN_PRIVILEGES pNewState) = 0;
  virtual BOOL InitiateSystemShutdownA(const char* lpMachineName,
                                       const char* lpMessage, DWORD dwTimeout,
                                       BOOL bForceAppsClosed,
                                       BOOL bRebootAfterShutdown) = 0;
  virtual BOOL CloseHandle(HANDLE hObject) = 0;
};
