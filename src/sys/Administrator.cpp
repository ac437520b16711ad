#include "Administrator.h"

#include <vector>

#include "ScopedHandles.h"
#include "platform/Platform.h"

namespace {
// The thread's own token while impersonating, the process's otherwise.
BOOL OpenQueryToken(HANDLE* phToken) {
  if (Security().OpenThreadToken(TOKEN_QUERY, FALSE, phToken)) return TRUE;
  if (GetLastError() != ERROR_NO_TOKEN) return FALSE;
  return Security().OpenProcessToken(TOKEN_QUERY, phToken);
}

// The token's group list, in a buffer of the size the token asks for.
BOOL QueryTokenGroups(HANDLE hToken, std::vector<DWORD>* pBuffer) {
  DWORD cbNeeded = 0;
  if (Security().GetTokenInformation(hToken, TokenGroups, nullptr, 0,
                                     &cbNeeded))
    return FALSE;  // a group list can't be empty: the call must ask for room
  // DWORD words keep the list aligned; the size rounds up to a multiple of 4.
  pBuffer->assign((cbNeeded + 3) / 4, 0);
  const DWORD cbBuffer = static_cast<DWORD>(pBuffer->size() * 4);
  return Security().GetTokenInformation(hToken, TokenGroups, pBuffer->data(),
                                        cbBuffer, &cbNeeded);
}

BOOL HoldsAdministrators(const TOKEN_GROUPS& groups) {
  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  PSID pAdministrators = nullptr;
  if (!Security().AllocateAndInitializeSid(
          &ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS,
          0, 0, 0, 0, 0, 0, &pAdministrators))
    return FALSE;
  BOOL bFound = FALSE;
  for (DWORD i = 0; i < groups.GroupCount && !bFound; ++i)
    bFound = Security().EqualSid(groups.Groups[i].Sid, pAdministrators);
  Security().FreeSid(pAdministrators);
  return bFound;
}
}  // namespace

BOOL IsUserAdministrator() {
  std::vector<DWORD> buffer;
  {
    CScopedToken token;
    if (!OpenQueryToken(token.Receive())) return FALSE;
    if (!QueryTokenGroups(token.Get(), &buffer)) return FALSE;
  }
  return HoldsAdministrators(*reinterpret_cast<TOKEN_GROUPS*>(buffer.data()));
}
