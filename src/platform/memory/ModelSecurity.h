// A model of a process's access tokens with the semantics of the Windows
// security functions: a process token, optionally a thread token while
// impersonating, each with a list of group identifiers; a shutdown
// privilege that may or may not be held. The host adapter configures it from
// the effective user; tests configure it directly and read what was asked.
#pragma once

#include <string>
#include <vector>

#include "../Security.h"

class CModelSecurity : public ISecurity {
 public:
  struct CToken {
    bool bAdministrator = false;  // holds the Administrators group
    bool bShutdownPrivilege = true;
    std::vector<std::vector<DWORD>> otherGroups;  // sub-authorities of others
  };

  CToken m_processToken;
  bool m_bImpersonating = false;
  CToken m_threadToken;
  // Scripted failures, for the refusal paths.
  bool m_bFailOpenProcessToken = false;
  bool m_bFailGetTokenInformation = false;
  bool m_bFailShutdown = false;
  DWORD m_dwShutdownError = ERROR_ACCESS_DENIED;

  // What was asked.
  struct CShutdownRequest {
    bool bRebootAfterShutdown;
    bool bForceAppsClosed;
    DWORD dwTimeout;
  };
  std::vector<CShutdownRequest> m_shutdownRequests;
  bool m_bShutdownPrivilegeEnabled = false;

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

  size_t OpenTokenCount() const { return m_nOpenTokens; }

 private:
  const CToken* TokenOf(HANDLE hToken) const;
  size_t m_nOpenTokens = 0;
};
