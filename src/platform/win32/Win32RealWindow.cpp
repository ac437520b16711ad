#include "Win32RealWindow.h"

namespace {
HWND (*g_pfnRealOf)(HWND) = nullptr;
}  // namespace

HWND Win32RealWindow(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (g_pfnRealOf)
    if (HWND hReal = g_pfnRealOf(hWnd)) return hReal;
  return ::IsWindow(hWnd) ? hWnd : nullptr;
}

void SetWin32WindowMapper(HWND (*pfnRealOf)(HWND)) { g_pfnRealOf = pfnRealOf; }
