// The application object: start-up, the run-mode decision and the busy
// state that every long operation brackets its work with.
#pragma once

#include "platform/WinTypes.h"

class CquorrelApp {
 public:
  // The whole start-up; TRUE only when the interactive main window exists.
  virtual BOOL InitInstance();

  // TRUE begins, FALSE ends the busy state (wait cursor, main window
  // disabled). Calls nest; an end while not busy is ignored.
  void SetBusy(BOOL bBusy);
  // Shows the wait cursor again while busy; TRUE exactly when busy.
  BOOL RestoreBusyCursor();

  // The main window, disabled while busy; null until it exists.
  HWND m_hMainWnd = nullptr;
  UINT m_nBusyCount = 0;

  virtual ~CquorrelApp() = default;
};

// The one application object of the run.
CquorrelApp& QuorrelApp();
