// Finding real windows by title, size and control ID.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::string WindowTitle(HWND hWnd);
// Visible top-level windows titled exactly pszTitle, topmost first.
std::vector<HWND> TopLevelWindows(const char* pszTitle);
// The first of them; null when none.
HWND FindTopLevel(const char* pszTitle);
// Polls every 100 ms until fnFound gives a window or dwTimeout has passed.
HWND WaitFor(HWND (*fnFound)(const void* pv), const void* pv, DWORD dwTimeout);
// A visible child (at any depth) with control ID nID; null when none.
HWND FindControl(HWND hTop, UINT nID);
// A visible untitled popup of exactly cx x cy pixels; null when none.
HWND FindPopup(int cx, int cy);
