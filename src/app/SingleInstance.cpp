#include "fw/StringTable.h"
#include "platform/Platform.h"
#include "quorrelApp.h"

BOOL IsFirstInstance() {
  const std::string strTitle = LoadResString(IDS_APP_TITLE);
  // Any top-level window of that exact title counts, whatever its class: a
  // message box of another instance too, since its caption is the title.
  HWND hWnd = User().FindWindowA(nullptr, strTitle.c_str());
  if (hWnd == nullptr) return TRUE;
  if (User().IsIconic(hWnd))
    User().ShowWindow(hWnd, SW_RESTORE);
  else if (!User().IsWindowVisible(hWnd))
    User().ShowWindow(hWnd, SW_SHOW);
  User().SetForegroundWindow(hWnd);
  return FALSE;
}
