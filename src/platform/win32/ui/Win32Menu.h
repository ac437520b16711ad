// A real menu bar built from the program's menu data, and which of its
// popups lies under a point.
#pragma once

#include <windows.h>

#include "fw/MenuTemplate.h"

HMENU CreateMenuFromTemplate(const CMenuTemplate& menu);
// The position of the item of hWnd's menu bar under ptScreen, -1 for none.
// Hit-tests the items' rectangles (GetMenuItemRect), as NT 4.0 has no
// MenuItemFromPoint.
int MenuBarItemAt(HWND hWnd, POINT ptScreen);
