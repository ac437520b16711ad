// The user-interface adapter: what renders the framework's windows and
// turns a person's (or a test script's) input into window messages. The
// framework owns the windows, their state and the message loop; an adapter
// draws them, waits for input and runs menus. Windows semantics throughout:
// input arrives as WM_KEYDOWN, WM_LBUTTONDOWN ... for the window it is
// meant for, coordinates in pixels.
#pragma once

#include "WindowSystem.h"

class CWnd;

#ifndef INFINITE
#define INFINITE 0xFFFFFFFF
#endif

class IUiAdapter {
 public:
  virtual ~IUiAdapter() = default;

  // Draws the program's windows as they are now.
  virtual void Render() = 0;
  // Waits at most dwTimeout milliseconds (INFINITE: no limit) for input and
  // gives it as a message for one of the program's windows. FALSE when none
  // came in time.
  virtual BOOL WaitInput(MSG* pMsg, DWORD dwTimeout) = 0;
  // Runs the menu bar of window wnd from popup nPopup (-1: the bar itself)
  // until the user chooses a command or leaves; the command, 0 for none.
  virtual UINT TrackMenu(CWnd& wnd, int nPopup) = 0;
  virtual int GetSystemMetrics(int nIndex) = 0;
};

// The adapter of the run: the one installed last, or one that renders
// nothing and answers every wait by closing the active window, so that a
// run without a person ends as though nothing had been chosen.
IUiAdapter& Ui();
// Installs an adapter (null: back to the default); returns the previous.
IUiAdapter* SetUi(IUiAdapter* pAdapter);

// The input that changes nothing: closing the active window (a dialog's
// close box is its Cancel; the main frame's ends the program).
BOOL AfxMakeSafeInput(MSG* pMsg);

// Dialog base units of a font, in pixels: average character width and
// height (the values Windows gives for the program's two fonts).
SIZE AfxGetDialogBaseUnits(const char* pszFont, WORD wPointSize);
