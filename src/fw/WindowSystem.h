// The window system the framework's windows live in. CWnd, CDialog,
// CFrameWnd and the controls, the message loop, timers, menus, message
// boxes, the wait cursor and dialog units reach windows only through this
// interface. The portable window model (CModelWindowSystem) is the one of
// every run that has no native windows: the terminal UI, the silent runs
// and the tests.
#pragma once

#include <string>

#include "platform/WinUserTypes.h"

class CWnd;
struct CDialogTemplate;

// System metrics the framework asks for (GetSystemMetrics indexes).
#ifndef SM_CXSCREEN
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CYMENU 15
#endif

// Hit-test codes of non-client mouse messages (wParam of WM_NC*BUTTONDOWN).
#ifndef HTCAPTION
#define HTCLIENT 1
#define HTCAPTION 2
#define HTMENU 5
#define HTCLOSE 20
#endif

class IWindowSystem {
 public:
  virtual ~IWindowSystem() = default;

  // Window lifetime: CreateWindow sends WM_CREATE and FALSE when creation
  // failed; DestroyWindow sends WM_DESTROY and WM_NCDESTROY, then calls
  // PostNcDestroy; ForgetWindow drops a window whose object is going
  // without calling back into it.
  virtual BOOL CreateWnd(CWnd& wnd, DWORD dwStyle, const char* pszName,
                         const RECT& rect, CWnd* pParent, UINT nID) = 0;
  virtual BOOL DestroyWindow(CWnd& wnd) = 0;
  virtual void ForgetWindow(CWnd& wnd) = 0;
  // The window of a dialog or a form view from its template, with style
  // dwStyle, sized by the template (its controls come after, each by
  // CreateWindow); owned by pParent, or its child with WS_CHILD.
  virtual BOOL CreateDialogWnd(CWnd& wnd, const CDialogTemplate& dlg,
                               DWORD dwStyle, CWnd* pParent, UINT nID) = 0;

  // Synchronous: returns after the window has handled the message.
  virtual LRESULT Send(CWnd& wnd, UINT message, WPARAM wParam,
                       LPARAM lParam) = 0;
  // What the window does with a message no handler took.
  virtual LRESULT DefProc(CWnd& wnd, UINT message, WPARAM wParam,
                          LPARAM lParam) = 0;

  // Window state, with user32's results.
  virtual std::string GetText(const CWnd& wnd) = 0;
  virtual void SetText(CWnd& wnd, const std::string& strText) = 0;
  virtual BOOL EnableWindow(CWnd& wnd, BOOL bEnable) = 0;
  virtual BOOL IsWindowEnabled(const CWnd& wnd) = 0;
  virtual BOOL ShowWindow(CWnd& wnd, int nCmdShow) = 0;
  virtual BOOL IsWindowVisible(const CWnd& wnd) = 0;
  virtual void GetWindowRect(const CWnd& wnd, RECT* pRect) = 0;
  virtual void GetClientRect(const CWnd& wnd, RECT* pRect) = 0;
  virtual void MoveWindow(CWnd& wnd, int x, int y, int cx, int cy) = 0;
  virtual void Invalidate(CWnd& wnd) = 0;
  virtual void UpdateWindow(CWnd& wnd) = 0;
  // The window that had the focus before; null when none of the program's.
  virtual CWnd* SetFocus(CWnd& wnd) = 0;
  virtual CWnd* GetFocus() = 0;
  virtual int GetSystemMetrics(int nIndex) = 0;

  // The thread's message queue: GetMessage waits and is FALSE for WM_QUIT;
  // PeekMessage removes a waiting message and never waits.
  virtual BOOL GetMsg(MSG* pMsg) = 0;
  virtual BOOL PeekMsg(MSG* pMsg) = 0;
  virtual void PostMsg(HWND hWnd, UINT message, WPARAM wParam,
                       LPARAM lParam) = 0;
  virtual LRESULT DispatchMsg(const MSG* pMsg) = 0;
  // The dialog manager: TRUE when pMsg was a keystroke of dialog or form
  // dlg (Tab, arrows, Enter, Escape, mnemonics) and has been handled.
  virtual BOOL IsDialogMsg(CWnd& dlg, MSG* pMsg) = 0;
  // The program's window that a message for hWnd reaches first: hWnd's
  // own, or the nearest one it is part of; null when none.
  virtual CWnd* WindowOf(HWND hWnd) = 0;
  // The active top-level window of the program; null when none.
  virtual CWnd* GetActiveWnd() = 0;
  virtual UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse) = 0;
  virtual BOOL KillTimer(HWND hWnd, UINT_PTR nIDEvent) = 0;

  // Painting: between BeginPaint and EndPaint (which validates the
  // window), bitmap resource nBitmap copied onto the window at x, y.
  virtual void BeginPaint(CWnd& wnd) = 0;
  virtual BOOL Blit(CWnd& wnd, UINT nBitmap, int x, int y, int cx, int cy) = 0;
  virtual void EndPaint(CWnd& wnd) = 0;
  // A modal message box owned by the active window of the program, or by
  // hOwner when none is active; the button pressed. nIDPrompt is
  // the string the text came from, 0 when none.
  virtual int ShowMessageBox(HWND hOwner, const char* pszText,
                             const char* pszCaption, UINT nType,
                             UINT nIDPrompt) = 0;
  virtual void SetWaitCursor(BOOL bWait) = 0;
  // Dialog base units of a dialog font, in pixels: average character width
  // and height.
  virtual SIZE GetDialogBaseUnits(const char* pszFont, WORD wPointSize) = 0;
};

// The window system of the run: the one installed last, else the portable
// model.
IWindowSystem& AfxWindowSystem();
// Installs a window system (null: back to the model); returns the previous.
IWindowSystem* AfxSetWindowSystem(IWindowSystem* pSystem);
