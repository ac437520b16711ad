#include "Win32Clock.h"

void CWin32Clock::Sleep(DWORD dwMilliseconds) { ::Sleep(dwMilliseconds); }

DWORD CWin32Clock::GetTickCount() { return ::GetTickCount(); }
