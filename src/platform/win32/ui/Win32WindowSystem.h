// The window system of the Windows build: every framework window wraps a
// real window and user32 gives the behaviour. Dialogs and the form view
// are real dialogs from the same templates (their controls are the real
// ones, found in template order), the message loop is the thread's, the
// dialog manager IsDialogMessage, the menu bar the real menu with its
// keys, message boxes MessageBoxA over the active window, timers SetTimer.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "fw/WindowSystem.h"

class CWin32WindowSystem : public IWindowSystem {
 public:
  CWin32WindowSystem();
  ~CWin32WindowSystem() override;
  CWin32WindowSystem(const CWin32WindowSystem&) = delete;
  CWin32WindowSystem& operator=(const CWin32WindowSystem&) = delete;

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
  // The window being created: bound to its object at its first message.
  struct CPending {
    CWnd* pWnd = nullptr;
    DWORD dwStyle = 0;
    const char* pszName = nullptr;
    RECT rect = {0, 0, 0, 0};
    CWnd* pParent = nullptr;
    UINT nID = 0;
    bool bDialog = false;
  };

  static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam,
                                     LPARAM lParam);
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam,
                                     LPARAM lParam);
  // The object of hWnd, bound now when hWnd is the window being created.
  CWnd* Bind(HWND hWnd);
  void OnNcDestroy(CWnd& wnd);
  // Unbinds wnd and the controls inside it.
  void Unbind(CWnd& wnd);
  BOOL AttachDialogItem(CWnd& wnd, DWORD dwStyle, const char* pszName,
                        const RECT& rect, CWnd& dialog, UINT nID);
  bool IsDialog(HWND hWnd) const { return m_dialogs.count(hWnd) != 0; }

  CPending m_pending;
  std::set<HWND> m_dialogs;  // dialogs and forms from templates
  std::set<HWND> m_created;  // windows this system created (not items)
  std::map<HWND, PAINTSTRUCT> m_paints;
  std::map<std::pair<std::string, WORD>, SIZE> m_baseUnits;
  // Set when a dialog's message went to the default processing, which for
  // a dialog is the dialog manager's (the dialog procedure returns FALSE).
  bool* m_pbDefault = nullptr;
};
