#include "Win32User.h"

int CWin32User::MessageBoxA(HWND hWnd, const char* lpText,
                            const char* lpCaption, UINT uType,
                            UINT /*nIDPrompt*/) {
  return ::MessageBoxA(hWnd, lpText, lpCaption, uType);
}

HWND CWin32User::FindWindowA(const char* lpClassName,
                             const char* lpWindowName) {
  return ::FindWindowA(lpClassName, lpWindowName);
}

HWND CWin32User::GetTopWindow(HWND hWnd) { return ::GetTopWindow(hWnd); }

HWND CWin32User::GetWindow(HWND hWnd, UINT uCmd) {
  return ::GetWindow(hWnd, uCmd);
}

int CWin32User::GetWindowTextA(HWND hWnd, char* lpString, int nMaxCount) {
  return ::GetWindowTextA(hWnd, lpString, nMaxCount);
}

LRESULT CWin32User::SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam,
                                 LPARAM lParam) {
  return ::SendMessageA(hWnd, Msg, wParam, lParam);
}

BOOL CWin32User::IsIconic(HWND hWnd) { return ::IsIconic(hWnd); }

BOOL CWin32User::IsWindowVisible(HWND hWnd) { return ::IsWindowVisible(hWnd); }

BOOL CWin32User::ShowWindow(HWND hWnd, int nCmdShow) {
  return ::ShowWindow(hWnd, nCmdShow);
}

BOOL CWin32User::SetForegroundWindow(HWND hWnd) {
  return ::SetForegroundWindow(hWnd);
}

BOOL CWin32User::EnableWindow(HWND hWnd, BOOL bEnable) {
  return ::EnableWindow(hWnd, bEnable);
}

void CWin32User::DispatchPendingMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    ::DispatchMessageA(&msg);
}

void CWin32User::SetWaitCursor(BOOL bWait) {
  ::SetCursor(::LoadCursorA(nullptr, bWait ? IDC_WAIT : IDC_ARROW));
}
