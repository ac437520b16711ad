#include "Win32WindowTree.h"

HWND Win32TopLevelOf(HWND hWnd) {
  while (hWnd && (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) {
    const HWND hParent = GetParent(hWnd);
    if (!hParent) break;
    hWnd = hParent;
  }
  return hWnd;
}
