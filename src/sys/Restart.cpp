#include "Restart.h"

#include <cstdio>

#include "app/quorrelApp.h"
#include "platform/Platform.h"

namespace {
void DebugError(const char* pszFormat, DWORD dwError) {
  char szLine[128];
  std::snprintf(szLine, sizeof(szLine), pszFormat,
                static_cast<unsigned>(dwError), static_cast<unsigned>(dwError));
  Debug().OutputDebugStringA(szLine);
}

BOOL SetShutdownPrivilege(HANDLE hToken, DWORD dwAttributes) {
  TOKEN_PRIVILEGES privileges = {};
  Security().LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME,
                                   &privileges.Privileges[0].Luid);
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = dwAttributes;
  return Security().AdjustTokenPrivileges(hToken, FALSE, &privileges);
}
}  // namespace

void RestartComputer() {
  QuorrelApp().SetBusy(TRUE);
  HANDLE hToken = nullptr;
  if (!Security().OpenProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                                   &hToken)) {
    Debug().OutputDebugStringA("TESSARINE: Can't get token for shutdown\n");
    return;
  }
  SetShutdownPrivilege(hToken, SE_PRIVILEGE_ENABLED);
  // AdjustTokenPrivileges succeeds without assigning a privilege the user
  // doesn't hold; only the last error tells (ERROR_NOT_ALL_ASSIGNED).
  const DWORD dwAdjustError = GetLastError();
  if (dwAdjustError != ERROR_SUCCESS) {
    DebugError("TESSARINE: AdjustTokenPrivileges failed %x ( %d )\n",
               dwAdjustError);
    Security().CloseHandle(hToken);
    return;
  }
  if (!Security().InitiateSystemShutdownA(nullptr, nullptr, 0, FALSE, TRUE))
    DebugError("TESSARINE: shutdown failed %x ( %d )\n", GetLastError());
  SetShutdownPrivilege(hToken, 0);
  Security().CloseHandle(hToken);
}
