// The Windows user interface as the logic needs it (user32): message boxes,
// the top-level window list, message dispatch and the wait cursor. The
// framework's windows and dialogs are rendered by the UI adapter behind this
// port (see src/fw).
#pragma once

#include "WinTypes.h"

class IUser {
 public:
  virtual ~IUser() = default;

  // Shows a modal message box and returns the button pressed (IDOK, IDYES
  // ...). nIDPrompt is the string resource the text came from, 0 when none;
  // only scripted UIs look at it.
  virtual int MessageBoxA(HWND hWnd, const char* lpText, const char* lpCaption,
                          UINT uType, UINT nIDPrompt) = 0;

  // Top-level windows, in Z order from the topmost.
  virtual HWND FindWindowA(const char* lpClassName,
                           const char* lpWindowName) = 0;
  virtual HWND GetTopWindow(HWND hWnd) = 0;
  virtual HWND GetWindow(HWND hWnd, UINT uCmd) = 0;
  // Copies at most nMaxCount - 1 characters and a zero; returns the length.
  virtual int GetWindowTextA(HWND hWnd, char* lpString, int nMaxCount) = 0;
  // Synchronous: returns after the window has handled the message.
  virtual LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam,
                               LPARAM lParam) = 0;
  virtual BOOL IsIconic(HWND hWnd) = 0;
  virtual BOOL IsWindowVisible(HWND hWnd) = 0;
  virtual BOOL ShowWindow(HWND hWnd, int nCmdShow) = 0;
  virtual BOOL SetForegroundWindow(HWND hWnd) = 0;
  virtual BOOL EnableWindow(HWND hWnd, BOOL bEnable) = 0;

  // Removes and dispatches every message waiting in the thread's queue
  // (PeekMessage with PM_REMOVE, then DispatchMessage; no translation).
  virtual void DispatchPendingMessages() = 0;

  // Shows (TRUE) or ends (FALSE) the wait cursor.
  virtual void SetWaitCursor(BOOL bWait) = 0;
};
