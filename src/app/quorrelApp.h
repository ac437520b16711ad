// The application object: start-up, the run-mode decision and the busy
// state that every long operation brackets its work with.
#pragma once

#include <string>
#include <vector>

#include "fw/WinApp.h"
#include "platform/WinTypes.h"
#include "sys/BusyScope.h"

class CquorrelApp : public CWinApp, public IBusyState {
 public:
  ~CquorrelApp() override = default;

  // The whole start-up; TRUE only when the interactive main window exists,
  // so that every other run ends without entering the message loop.
  BOOL InitInstance() override;

  // Offers every message to the splash screen first; TRUE drops it.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Help > About: the About box.
  void OnAppAbout();

  // TRUE begins, FALSE ends the busy state (wait cursor, main window
  // disabled). Calls nest; an end while not busy is ignored. The operations
  // reach it through CBusyScope.
  void SetBusy(BOOL bBusy) override;
  // Shows the wait cursor again while busy; TRUE exactly when busy.
  BOOL RestoreBusyCursor();

  // The arguments after the program name, as the system split them.
  std::vector<std::string> m_args;
  // The main window, disabled while busy; null until it exists.
  HWND m_hMainWnd = nullptr;
  UINT m_nBusyCount = 0;

  DECLARE_MESSAGE_MAP()

 protected:
  // Creates the main window of an interactive run; its result is
  // InitInstance's.
  virtual BOOL RunInteractive();
};

// The one application object of the run.
CquorrelApp& QuorrelApp();

// Looks for an earlier instance by its exact window title and brings it
// forward; TRUE when there is none.
BOOL IsFirstInstance();

// Creates quorrel.log in the current directory, runs the silent operation
// the flags name, and writes its one result line.
void WriteSilentResult();

// For a silent run that could not start (its registry could not be
// opened): an earlier run's quorrel.log is removed, so that the caller
// finds no file, as after any run that never started, and never reads an
// earlier result as this run's. Needs the file-system port alone; FALSE
// when a file is left.
BOOL RemoveEarlierSilentResult();
