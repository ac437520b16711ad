// Walking the window tree with what every Windows since NT 4.0 offers.
#pragma once

#include <windows.h>

// The top-level window that hWnd is part of (hWnd itself when it is one):
// its parents followed up while it is a child window. Owners are not
// followed, as GetParent would for a top-level window.
HWND Win32TopLevelOf(HWND hWnd);
