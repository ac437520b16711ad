// Closing the suite's running applications before its files go: the tray
// application's window, and any window that carries the suite's name,
// except this utility's own main window.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// Closes at most one window per title fragment, then waits 10 seconds
// while serving the thread's messages, whatever was found.
void CloseTrayApplication();
// Sends WM_CLOSE (synchronously) to the first top-level window, in Z order,
// whose title contains the fragment (case-sensitive) and is not exactly
// the utility's own title. TRUE when a window was sent it.
BOOL CloseWindowByTitle(const std::string& strFragment);
