#include "ModelSecurity.h"

#include <cstring>

#include "../LastError.h"

namespace {
// The identifier layout of winnt.h: revision, count, authority, then the
// sub-authorities.
struct CModelSid {
  BYTE Revision;
  BYTE SubAuthorityCount;
  SID_IDENTIFIER_AUTHORITY IdentifierAuthority;
  DWORD SubAuthority[8];
};

HANDLE const kProcessToken = reinterpret_cast<HANDLE>(0x7001);
HANDLE const kThreadToken = reinterpret_cast<HANDLE>(0x7002);
const DWORD kShutdownLuid = 19;  // SE_SHUTDOWN_PRIVILEGE on Windows

void FillSid(CModelSid* pSid, const std::vector<DWORD>& subs) {
  std::memset(pSid, 0, sizeof(*pSid));
  pSid->Revision = 1;
  pSid->SubAuthorityCount = static_cast<BYTE>(subs.size());
  pSid->IdentifierAuthority.Value[5] = 5;  // SECURITY_NT_AUTHORITY
  for (size_t i = 0; i < subs.size() && i < 8; ++i)
    pSid->SubAuthority[i] = subs[i];
}
}  // namespace

const CModelSecurity::CToken* CModelSecurity::TokenOf(HANDLE hToken) const {
  if (hToken == kProcessToken) return &m_processToken;
  if (hToken == kThreadToken) return &m_threadToken;
  return nullptr;
}

BOOL CModelSecurity::OpenThreadToken(DWORD, BOOL, HANDLE* phToken) {
  if (!m_bImpersonating) {
    SetLastError(ERROR_NO_TOKEN);
    return FALSE;
  }
  *phToken = kThreadToken;
  ++m_nOpenTokens;
  return TRUE;
}

BOOL CModelSecurity::OpenProcessToken(DWORD, HANDLE* phToken) {
  if (m_bFailOpenProcessToken) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  *phToken = kProcessToken;
  ++m_nOpenTokens;
  return TRUE;
}

BOOL CModelSecurity::GetTokenInformation(HANDLE hToken,
                                         TOKEN_INFORMATION_CLASS cls,
                                         void* pInfo, DWORD dwLength,
                                         DWORD* pdwReturnLength) {
  const CToken* pToken = TokenOf(hToken);
  if (pToken == nullptr || cls != TokenGroups) {
    SetLastError(pToken == nullptr ? ERROR_INVALID_HANDLE
                                   : ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (m_bFailGetTokenInformation) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  // Everyone, the user's own groups, then Administrators when held.
  std::vector<std::vector<DWORD>> groups = {{0}};
  for (const auto& group : pToken->otherGroups) groups.push_back(group);
  if (pToken->bAdministrator)
    groups.push_back({SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS});

  const size_t cbHeader = offsetof(TOKEN_GROUPS, Groups) +
                          groups.size() * sizeof(SID_AND_ATTRIBUTES);
  const size_t cbNeeded = cbHeader + groups.size() * sizeof(CModelSid);
  *pdwReturnLength = static_cast<DWORD>(cbNeeded);
  if (pInfo == nullptr || dwLength < cbNeeded) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  auto* pGroups = static_cast<TOKEN_GROUPS*>(pInfo);
  pGroups->GroupCount = static_cast<DWORD>(groups.size());
  auto* pSids =
      reinterpret_cast<CModelSid*>(static_cast<BYTE*>(pInfo) + cbHeader);
  for (size_t i = 0; i < groups.size(); ++i) {
    FillSid(&pSids[i], groups[i]);
    pGroups->Groups[i].Sid = &pSids[i];
    pGroups->Groups[i].Attributes =
        7;  // mandatory, enabled by default, enabled
  }
  return TRUE;
}

BOOL CModelSecurity::AllocateAndInitializeSid(
    PSID_IDENTIFIER_AUTHORITY pAuthority, BYTE nSubAuthorityCount, DWORD dw0,
    DWORD dw1, DWORD dw2, DWORD dw3, DWORD dw4, DWORD dw5, DWORD dw6, DWORD dw7,
    PSID* ppSid) {
  if (nSubAuthorityCount > 8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto* pSid = new CModelSid;
  const DWORD subs[8] = {dw0, dw1, dw2, dw3, dw4, dw5, dw6, dw7};
  FillSid(pSid, std::vector<DWORD>(subs, subs + nSubAuthorityCount));
  pSid->IdentifierAuthority = *pAuthority;
  *ppSid = pSid;
  return TRUE;
}

BOOL CModelSecurity::EqualSid(PSID pSid1, PSID pSid2) {
  const auto* a = static_cast<const CModelSid*>(pSid1);
  const auto* b = static_cast<const CModelSid*>(pSid2);
  if (a->Revision != b->Revision ||
      a->SubAuthorityCount != b->SubAuthorityCount)
    return FALSE;
  if (std::memcmp(&a->IdentifierAuthority, &b->IdentifierAuthority,
                  sizeof(a->IdentifierAuthority)) != 0)
    return FALSE;
  for (BYTE i = 0; i < a->SubAuthorityCount; ++i)
    if (a->SubAuthority[i] != b->SubAuthority[i]) return FALSE;
  return TRUE;
}

void CModelSecurity::FreeSid(PSID pSid) {
  delete static_cast<CModelSid*>(pSid);
}

BOOL CModelSecurity::LookupPrivilegeValueA(const char*, const char* lpName,
                                           PLUID pLuid) {
  if (std::strcmp(lpName, SE_SHUTDOWN_NAME) != 0) {
    SetLastError(ERROR_NO_SUCH_PRIVILEGE);
    return FALSE;
  }
  pLuid->LowPart = kShutdownLuid;
  pLuid->HighPart = 0;
  return TRUE;
}

BOOL CModelSecurity::AdjustTokenPrivileges(HANDLE hToken, BOOL,
                                           PTOKEN_PRIVILEGES pNewState) {
  const CToken* pToken = TokenOf(hToken);
  if (pToken == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  // Windows succeeds without assigning a privilege the token lacks, and says
  // so only through the last error.
  if (!pToken->bShutdownPrivilege) {
    SetLastError(ERROR_NOT_ALL_ASSIGNED);
    return TRUE;
  }
  m_bShutdownPrivilegeEnabled =
      pNewState->PrivilegeCount > 0 &&
      (pNewState->Privileges[0].Attributes & SE_PRIVILEGE_ENABLED) != 0;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL CModelSecurity::InitiateSystemShutdownA(const char*, const char*,
                                             DWORD dwTimeout,
                                             BOOL bForceAppsClosed,
                                             BOOL bRebootAfterShutdown) {
  if (!m_bShutdownPrivilegeEnabled || m_bFailShutdown) {
    SetLastError(m_bFailShutdown ? m_dwShutdownError
                                 : ERROR_PRIVILEGE_NOT_HELD);
    return FALSE;
  }
  m_shutdownRequests.push_back(
      {bRebootAfterShutdown != 0, bForceAppsClosed != 0, dwTimeout});
  return TRUE;
}

BOOL CModelSecurity::CloseHandle(HANDLE hObject) {
  if (TokenOf(hObject) == nullptr || m_nOpenTokens == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  --m_nOpenTokens;
  return TRUE;
}
