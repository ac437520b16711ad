// The real windows that show the framework's windows. The framework keeps
// every window's state and behaviour; each of its windows has a real
// counterpart here (a real dialog built from the same template for dialogs
// and forms, a window of the mirror class for frames and popups, real
// controls for controls) that only shows that state. Input on the real
// windows is not handled by them: it is turned into the framework's input
// messages and queued for the UI adapter.
#pragma once

#include <windows.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

class CWnd;

struct CMirror {
  HWND hReal = nullptr;
  WNDPROC pfnOriginal = nullptr;
  bool bOwnsRealWindow = false;  // destroyed by us, not with its parent
  // The framework state last shown, so that only changes reach the window.
  std::string strText;
  int nEnabled = -1;
  int nVisible = -1;
  RECT rect = {-1, -1, -1, -1};
  int nCheck = -1;
  int nPressed = -1;
  UINT nButtonType = 0xFFFF;
  std::vector<std::string> items;
  int nCurSel = -2;
  size_t nBlits = static_cast<size_t>(-1);
};

class CWin32Mirrors {
 public:
  static CWin32Mirrors& Get();

  // Brings every real window up to the framework's state: creates the new,
  // updates the changed, destroys the gone.
  void Sync();
  HWND RealOf(HWND hFramework) const;
  HWND FrameworkOf(HWND hReal) const;
  WNDPROC OriginalProc(HWND hReal) const;

  void QueueInput(const MSG& msg) { m_input.push_back(msg); }
  bool TakeInput(MSG* pMsg);
  void ClearInput() { m_input.clear(); }
  // A real window was activated or moved in the Z order by the system,
  // which may have raised it above the windows it owns: the Z order is put
  // right again soon.
  void OnRealRestack();
  // Restacks once the system has settled (Wine applies its own stacking of
  // an activated window a moment later); TRUE while one is still due.
  bool RestackIfNeeded();

 private:
  void SyncTopLevel(CWnd& wnd);
  void SyncTree(CWnd& wnd, HWND hRealParent);
  CMirror* Create(CWnd& wnd, HWND hRealParent);
  HWND CreateRealDialog(CWnd& wnd, HWND hRealParent);
  HWND CreateRealWindow(CWnd& wnd, HWND hRealParent);
  void MapDialogItems(CWnd& wnd, HWND hDialog);
  void Adopt(CWnd& wnd, HWND hReal, bool bOwns);
  void SyncState(CWnd& wnd, CMirror& mirror);
  void SyncRect(CWnd& wnd, CMirror& mirror);
  void SyncControl(CWnd& wnd, CMirror& mirror);
  void SyncFocus();
  bool HasVisibleOwnedWindow(HWND hTop) const;
  void Restack(const std::vector<CWnd*>& bottomFirst);
  void DestroyGone();

  std::map<HWND, CMirror> m_mirrors;   // by framework handle
  std::map<HWND, HWND> m_frameworkOf;  // by real handle
  std::deque<MSG> m_input;
  HWND m_hLastFocus = nullptr;
  int m_nWaitCursor = -1;
  bool m_bRestack = false;  // a top-level window was shown or hidden
  bool m_bInRestack = false;
  DWORD m_dwRestackDue = 0;
};

// The window procedure of every real window shown for the framework.
LRESULT CALLBACK MirrorWindowProc(HWND hWnd, UINT message, WPARAM wParam,
                                  LPARAM lParam);
// The real window class of frames, views and popups.
const char* MirrorWindowClass();
