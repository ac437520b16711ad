// Window handles as the system knows them. The framework gives its windows
// handles of its own; calls that pass one to Windows as an owner (message
// boxes, the folder browser) use the real window that shows it instead.
#pragma once

#include "../WinTypes.h"

// The real window for hWnd: the one showing it when hWnd is the
// framework's, hWnd itself when it is a real window, else null.
HWND Win32RealWindow(HWND hWnd);
// Installed by the UI adapter; null: only real windows are known.
void SetWin32WindowMapper(HWND (*pfnRealOf)(HWND hFramework));
