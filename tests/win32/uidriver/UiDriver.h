// The commands of quorrel_uidriver (see UiDriverMain.cpp); each returns the
// process exit code.
#pragma once

#include <windows.h>

int CmdWait(const char* pszTitle, DWORD dwTimeout);
int CmdWaitGone(const char* pszTitle, DWORD dwTimeout);
int CmdPopup(int cx, int cy, DWORD dwTimeout);
int CmdRect(const char* pszTitle, BOOL bClient);
int CmdStyle(const char* pszTitle);
int CmdCount(const char* pszTitle);
int CmdClick(const char* pszTitle, UINT nID);
int CmdMenu(const char* pszTitle, UINT nID);
int CmdClose(const char* pszTitle);
int CmdForeground();
int CmdDecoy(const char* pszTitle, DWORD dwMilliseconds);
int CmdText(const char* pszTitle, UINT nID);
int CmdControlRect(const char* pszTitle, UINT nID);
// "ENABLED|ACTIVE WINDOW'S TITLE|FOCUSED CONTROL'S ID" of the window's thread.
int CmdInputState(const char* pszTitle);
// WM_SETCURSOR sent to control ID of the window (0: the window itself), as
// for the mouse moving over its client area: "set" when the window's
// thread set a cursor meanwhile, else "unchanged".
int CmdSetCursor(const char* pszTitle, UINT nID);
