// The thread's last Windows error. On Windows these are the system's own
// functions; elsewhere every adapter and fake sets it exactly where the
// Windows call it stands for would.
#pragma once

#include "WinTypes.h"

#ifndef _WIN32
DWORD GetLastError();
void SetLastError(DWORD dwErrCode);
#endif
