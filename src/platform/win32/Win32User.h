// The user-interface port over user32: message boxes, the top-level window
// list, message dispatch and the wait cursor.
#pragma once

#include "../User.h"

class CWin32User : public IUser {
 public:
  int MessageBoxA(HWND hWnd, const char* lpText, const char* lpCaption,
                  UINT uType, UINT nIDPrompt) override;
  HWND FindWindowA(const char* lpClassName, const char* lpWindowName) override;
  HWND GetTopWindow(HWND hWnd) override;
  HWND GetWindow(HWND hWnd, UINT uCmd) override;
  int GetWindowTextA(HWND hWnd, char* lpString, int nMaxCount) override;
  LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam,
                       LPARAM lParam) override;
  BOOL IsIconic(HWND hWnd) override;
  BOOL IsWindowVisible(HWND hWnd) override;
  BOOL ShowWindow(HWND hWnd, int nCmdShow) override;
  BOOL SetForegroundWindow(HWND hWnd) override;
  BOOL EnableWindow(HWND hWnd, BOOL bEnable) override;
  void DispatchPendingMessages() override;
  void SetWaitCursor(BOOL bWait) override;
};
