#include "UiDriver.h"

#include <cstdio>

#include "WindowSearch.h"

namespace {
HWND FindTitled(const void* pv) {
  return FindTopLevel(static_cast<const char*>(pv));
}

struct CSize {
  int cx, cy;
};

HWND FindSized(const void* pv) {
  const auto* pSize = static_cast<const CSize*>(pv);
  return FindPopup(pSize->cx, pSize->cy);
}

// TRUE when command nID is on the menu or one of its popups.
bool MenuHasCommand(HMENU hMenu, UINT nID) {
  const int nItems = GetMenuItemCount(hMenu);
  for (int i = 0; i < nItems; ++i) {
    if (HMENU hPopup = GetSubMenu(hMenu, i)) {
      if (MenuHasCommand(hPopup, nID)) return true;
    } else if (GetMenuItemID(hMenu, i) == nID) {
      return true;
    }
  }
  return false;
}

void PrintRect(const RECT& rc) {
  std::printf("%ld %ld %ld %ld\n", static_cast<long>(rc.left),
              static_cast<long>(rc.top), static_cast<long>(rc.right - rc.left),
              static_cast<long>(rc.bottom - rc.top));
}

HWND Require(const char* pszTitle) {
  HWND hWnd = FindTopLevel(pszTitle);
  if (!hWnd) std::fprintf(stderr, "no window titled \"%s\"\n", pszTitle);
  return hWnd;
}

void SendMouseButton(DWORD dwFlags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = dwFlags;
  SendInput(1, &input, sizeof(input));
}

// Keeps the decoy window served while it waits.
void PumpFor(DWORD dwMilliseconds) {
  const DWORD dwStart = GetTickCount();
  while (GetTickCount() - dwStart < dwMilliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
}
}  // namespace

int CmdWait(const char* pszTitle, DWORD dwTimeout) {
  HWND hWnd = WaitFor(FindTitled, pszTitle, dwTimeout);
  if (!hWnd) {
    std::fprintf(stderr, "no window titled \"%s\" appeared\n", pszTitle);
    return 1;
  }
  std::printf("%p\n", static_cast<void*>(hWnd));
  return 0;
}

int CmdWaitGone(const char* pszTitle, DWORD dwTimeout) {
  const DWORD dwStart = GetTickCount();
  while (FindTopLevel(pszTitle)) {
    if (GetTickCount() - dwStart >= dwTimeout) {
      std::fprintf(stderr, "window \"%s\" is still there\n", pszTitle);
      return 1;
    }
    Sleep(100);
  }
  return 0;
}

int CmdPopup(int cx, int cy, DWORD dwTimeout) {
  const CSize size = {cx, cy};
  HWND hWnd = WaitFor(FindSized, &size, dwTimeout);
  if (!hWnd) {
    std::fprintf(stderr, "no %d x %d popup appeared\n", cx, cy);
    return 1;
  }
  RECT rc;
  GetWindowRect(hWnd, &rc);
  PrintRect(rc);
  return 0;
}

int CmdRect(const char* pszTitle, BOOL bClient) {
  HWND hWnd = Require(pszTitle);
  if (!hWnd) return 1;
  RECT rc;
  if (bClient) {
    GetClientRect(hWnd, &rc);
    MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  } else {
    GetWindowRect(hWnd, &rc);
  }
  PrintRect(rc);
  return 0;
}

int CmdStyle(const char* pszTitle) {
  HWND hWnd = Require(pszTitle);
  if (!hWnd) return 1;
  std::printf("0x%08lX\n",
              static_cast<unsigned long>(GetWindowLongA(hWnd, GWL_STYLE)));
  return 0;
}

int CmdCount(const char* pszTitle) {
  std::printf("%u\n", static_cast<unsigned>(TopLevelWindows(pszTitle).size()));
  return 0;
}

int CmdClick(const char* pszTitle, UINT nID) {
  HWND hTop = Require(pszTitle);
  if (!hTop) return 1;
  HWND hControl = FindControl(hTop, nID);
  if (!hControl) {
    std::fprintf(stderr, "no control %u in \"%s\"\n", nID, pszTitle);
    return 1;
  }
  RECT rc;
  GetWindowRect(hControl, &rc);
  SetForegroundWindow(hTop);
  SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  SendMouseButton(MOUSEEVENTF_LEFTDOWN);
  Sleep(50);
  SendMouseButton(MOUSEEVENTF_LEFTUP);
  return 0;
}

int CmdMenu(const char* pszTitle, UINT nID) {
  HWND hTop = Require(pszTitle);
  if (!hTop) return 1;
  // The command must be on the window's real menu bar.
  // Wine keeps menus to their process (Windows does not): there, only the
  // menu bar's presence can be checked from here.
  HMENU hMenu = GetMenu(hTop);
  const bool bReadable = hMenu && GetMenuItemCount(hMenu) >= 0;
  if (!hMenu || (bReadable && !MenuHasCommand(hMenu, nID))) {
    std::fprintf(stderr, "no menu command %u in \"%s\"\n", nID, pszTitle);
    return 1;
  }
  return PostMessageA(hTop, WM_COMMAND, MAKEWPARAM(nID, 0), 0) ? 0 : 1;
}

int CmdClose(const char* pszTitle) {
  HWND hTop = Require(pszTitle);
  if (!hTop) return 1;
  return PostMessageA(hTop, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
}

int CmdForeground() {
  std::printf("%s\n", WindowTitle(GetForegroundWindow()).c_str());
  return 0;
}

int CmdDecoy(const char* pszTitle, DWORD dwMilliseconds) {
  HWND hWnd = CreateWindowExA(0, "STATIC", pszTitle,
                              WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 40, 40,
                              300, 120, nullptr, nullptr, nullptr, nullptr);
  if (!hWnd) return 1;
  SetForegroundWindow(hWnd);
  PumpFor(dwMilliseconds);
  DestroyWindow(hWnd);
  return 0;
}

int CmdText(const char* pszTitle, UINT nID) {
  HWND hWnd = Require(pszTitle);
  HWND hControl = hWnd ? FindControl(hWnd, nID) : nullptr;
  if (!hControl) return 1;
  char szText[256] = "";
  GetWindowTextA(hControl, szText, sizeof(szText));
  std::printf("%s\n", szText);
  return 0;
}

int CmdControlRect(const char* pszTitle, UINT nID) {
  HWND hWnd = Require(pszTitle);
  HWND hControl = hWnd ? FindControl(hWnd, nID) : nullptr;
  if (!hControl) return 1;
  RECT rc;
  GetWindowRect(hControl, &rc);
  PrintRect(rc);
  return 0;
}

int CmdInputState(const char* pszTitle) {
  HWND hWnd = Require(pszTitle);
  if (!hWnd) return 1;
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(hWnd, nullptr), &info))
    return 1;
  // The window's own enabled state, the thread's active window, and the
  // control ID of the focus (0 when the focus is on no control).
  const LONG_PTR nFocusID =
      info.hwndFocus && (GetWindowLongA(info.hwndFocus, GWL_STYLE) & WS_CHILD)
          ? GetDlgCtrlID(info.hwndFocus)
          : 0;
  std::printf("%d|%s|%ld\n", IsWindowEnabled(hWnd) ? 1 : 0,
              WindowTitle(info.hwndActive).c_str(),
              static_cast<long>(nFocusID));
  return 0;
}

int CmdSetCursor(const char* pszTitle, UINT nID) {
  HWND hWnd = Require(pszTitle);
  if (hWnd && nID) hWnd = FindControl(hWnd, nID);
  if (!hWnd) return 1;
  // Sharing the window's input state, and so its cursor: a cross of the
  // driver's own stays unless the window's answer sets a cursor.
  const DWORD dwThread = GetWindowThreadProcessId(hWnd, nullptr);
  if (!AttachThreadInput(GetCurrentThreadId(), dwThread, TRUE)) return 1;
  const HCURSOR hCross = LoadCursorA(nullptr, IDC_CROSS);
  SetCursor(hCross);
  SendMessageA(hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hWnd),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  const bool bSet = GetCursor() != hCross;
  AttachThreadInput(GetCurrentThreadId(), dwThread, FALSE);
  std::printf("%s\n", bSet ? "set" : "unchanged");
  return 0;
}
