// The portable window model: the framework keeps every window's state
// (title, style, enabled and visible flags, rectangle, children, focus) and
// its message queue itself, and a UI adapter (src/fw/UiAdapter.h) draws that
// state and feeds input in. The terminal UI, the silent runs and the tests
// run on it.
#pragma once

#include "WindowSystem.h"

class CModelWindowSystem : public IWindowSystem {
 public:
  static CModelWindowSystem& Get();

  BOOL CreateWnd(CWnd& wnd, DWORD dwStyle, const char* pszName,
                 const RECT& rect, CWnd* pParent, UINT nID) override;
  BOOL DestroyWindow(CWnd& wnd) override;
  void ForgetWindow(CWnd& wnd) override;
  BOOL CreateDialogWnd(CWnd& wnd, const CDialogTemplate& dlg, DWORD dwStyle,
                       CWnd* pParent, UINT nID) override;
  LRESULT Send(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT DefProc(CWnd& wnd, UINT message, WPARAM wParam,
                  LPARAM lParam) override;

  std::string GetText(const CWnd& wnd) override;
  void SetText(CWnd& wnd, const std::string& strText) override;
  BOOL EnableWindow(CWnd& wnd, BOOL bEnable) override;
  BOOL IsWindowEnabled(const CWnd& wnd) override;
  BOOL ShowWindow(CWnd& wnd, int nCmdShow) override;
  BOOL IsWindowVisible(const CWnd& wnd) override;
  void GetWindowRect(const CWnd& wnd, RECT* pRect) override;
  void GetClientRect(const CWnd& wnd, RECT* pRect) override;
  void MoveWindow(CWnd& wnd, int x, int y, int cx, int cy) override;
  void Invalidate(CWnd& wnd) override;
  void UpdateWindow(CWnd& wnd) override;
  CWnd* SetFocus(CWnd& wnd) override;
  CWnd* GetFocus() override;
  int GetSystemMetrics(int nIndex) override;

  BOOL GetMsg(MSG* pMsg) override;
  BOOL PeekMsg(MSG* pMsg) override;
  void PostMsg(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT DispatchMsg(const MSG* pMsg) override;
  BOOL IsDialogMsg(CWnd& dlg, MSG* pMsg) override;
  CWnd* WindowOf(HWND hWnd) override;
  CWnd* GetActiveWnd() override;
  UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse) override;
  BOOL KillTimer(HWND hWnd, UINT_PTR nIDEvent) override;

  void BeginPaint(CWnd& wnd) override;
  BOOL Blit(CWnd& wnd, UINT nBitmap, int x, int y, int cx, int cy) override;
  void EndPaint(CWnd& wnd) override;
  int ShowMessageBox(HWND hOwner, const char* pszText, const char* pszCaption,
                     UINT nType, UINT nIDPrompt) override;
  void SetWaitCursor(BOOL bWait) override;
  SIZE GetDialogBaseUnits(const char* pszFont, WORD wPointSize) override;

 private:
  // The menu bar of a frame from the keyboard or the mouse: F10, Alt, an
  // Alt+letter of a menu title, a click on the bar.
  static BOOL OnMenuInput(CWnd& frame, UINT message, WPARAM wParam,
                          LPARAM lParam);
  // Drops the window from the map, its parent and the queue.
  static void Detach(CWnd& wnd);
  static void SaveFocus(CWnd& wnd);
  static void RestoreFocus(CWnd& wnd);
  // Moves the focus off wnd, which is being disabled.
  static void PassFocusOn(CWnd& wnd);
  // The control the focus goes to when ctl can't keep it; null for none.
  static CWnd* NextFocusAfter(CWnd& ctl);
};
