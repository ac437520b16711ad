// The user-interface port as the program's own windows see it: calls about
// a window of the framework (enabling, showing, titles, messages) go to
// that window; the rest, and every other program's windows, go to the
// port underneath. The program's top-level windows come first in the
// window list, topmost first, as they would on Windows. Message boxes, the
// wait cursor and dispatching reach the UI adapter as well.
#pragma once

#include "platform/User.h"

class CFrameworkUser : public IUser {
 public:
  explicit CFrameworkUser(IUser& base) : m_base(base) {}

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

  IUser& Base() { return m_base; }

 private:
  IUser& m_base;
};

// TRUE while the wait cursor is shown (the adapters draw it).
BOOL AfxIsWaitCursor();

// Installs a CFrameworkUser over the current user port for its lifetime.
class CFrameworkUserScope {
 public:
  CFrameworkUserScope();
  ~CFrameworkUserScope();
  CFrameworkUserScope(const CFrameworkUserScope&) = delete;
  CFrameworkUserScope& operator=(const CFrameworkUserScope&) = delete;

 private:
  IUser* m_pPrevious;
  CFrameworkUser m_user;
};
