// The keyboard interface of dialogs and forms, as Windows' IsDialogMessage
// gives it: Tab and Shift+Tab through the tab stops in template order, the
// arrow keys within a group (moving onto an automatic radio button checks
// it), Enter for the focused push button or else the default one, Escape
// for Cancel, the space bar for the focused button.
#pragma once

#include <vector>

#include "Wnd.h"

// The controls of ctl's group: from the nearest WS_GROUP control at or
// before it to the control before the next WS_GROUP, in template order.
std::vector<CWnd*> AfxGetDlgGroupItems(CWnd& ctl);
// The next (or previous) enabled, visible tab stop after pCurrent, wrapping
// around; the first one when pCurrent is null. Null when there is none.
CWnd* AfxGetNextDlgTabItem(CWnd& dlg, CWnd* pCurrent, BOOL bPrevious);
// The next (or previous) enabled, visible control of pCurrent's group,
// wrapping around within the group.
CWnd* AfxGetNextDlgGroupItem(CWnd& dlg, CWnd& current, BOOL bPrevious);
// Where the focus goes when it enters ctl's group: the checked radio button
// of a radio group, else ctl itself.
CWnd* AfxGroupFocusTarget(CWnd& ctl);
// TRUE when the message was a navigation key for dialog dlg and was
// handled.
BOOL AfxIsDialogMessage(CWnd& dlg, MSG* pMsg);
