// Message boxes from the string table, as the framework's AfxMessageBox:
// the caption is always the program's title (string 57344) and the owner is
// the application's main window, when there is one.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// Shows string nIDPrompt; returns the button pressed (IDOK, IDYES ...).
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);
// Shows a text that did not come from the string table.
int AfxMessageBox(const char* lpszText, UINT nType = MB_OK);
// Formats string nIDPrompt printf-style with the arguments and shows it.
int AfxFormatMessageBox(UINT nIDPrompt, UINT nType, ...);

// Formats string nID printf-style (wsprintfA-like, no length limit).
std::string AfxFormatString(UINT nID, ...);

// The owner of every message box: the main window, null before it exists.
void AfxSetMainHwnd(HWND hWnd);
