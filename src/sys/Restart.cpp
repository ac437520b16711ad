#include "Restart.h"

#include <cstdio>

#include "BusyScope.h"
#include "fw/MessageBox.h"
#include "platform/Platform.h"
#include "res/AppStringIds.h"

namespace {
// A request that failed leaves no disabled window behind: the busy state
// ends and the user learns why, so that the restart can be made by hand.
void GiveUp(CBusyScope& busy, DWORD dwError) {
  busy.End();
  AfxFormatMessageBox(IDS_RESTART_FAILED, MB_OK | MB_ICONEXCLAMATION,
                      static_cast<int>(dwError));
}

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

// The token closes by hand: before a failure is shown, and only after the
// privilege is given up again.
void RestartComputer() {
  CBusyScope busy;
  HANDLE hToken = nullptr;
  if (!Security().OpenProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                                   &hToken)) {
    const DWORD dwError = GetLastError();
    Debug().OutputDebugStringA("TESSARINE: Can't get token for shutdown\n");
    GiveUp(busy, dwError);
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
    GiveUp(busy, dwAdjustError);
    return;
  }
  const BOOL bRequested =
      Security().InitiateSystemShutdownA(nullptr, nullptr, 0, FALSE, TRUE);
  const DWORD dwShutdownError = bRequested ? ERROR_SUCCESS : GetLastError();
  if (!bRequested)
    DebugError("TESSARINE: shutdown failed %x ( %d )\n", dwShutdownError);
  SetShutdownPrivilege(hToken, 0);
  Security().CloseHandle(hToken);
  if (!bRequested) {
    GiveUp(busy, dwShutdownError);
    return;
  }
  busy.Keep();
}
