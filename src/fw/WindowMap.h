// The program's windows by handle, the top-level windows in Z order and the
// keyboard focus. Handles come from a range of their own, so that they never
// meet the handles of other programs' windows that a user-interface port
// reports.
#pragma once

#include <vector>

#include "platform/WinUserTypes.h"

class CWnd;

HWND AfxAllocWindowHandle(CWnd* pWnd);
void AfxFreeWindowHandle(HWND hWnd);
// Maps a handle the system gave (a native window system's windows).
void AfxAttachWindowHandle(HWND hWnd, CWnd* pWnd);
// The window of a handle; null for handles that are not the program's.
CWnd* AfxWndFromHandle(HWND hWnd);

// Top-level windows, topmost first.
const std::vector<CWnd*>& AfxGetTopLevelWindows();
void AfxAddTopLevel(CWnd* pWnd);
void AfxRemoveTopLevel(CWnd* pWnd);
// Moves a top-level window to the top of the Z order.
void AfxBringToTop(CWnd* pWnd);
// The topmost visible and enabled top-level window: where keys go.
CWnd* AfxGetActiveWindow();

CWnd* AfxGetFocusWnd();
void AfxSetFocusWnd(CWnd* pWnd);
// Clears the focus when it lies in pWnd or below it.
void AfxForgetFocus(CWnd* pWnd);
