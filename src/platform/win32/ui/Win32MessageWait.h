// Waiting for the thread's next message, or a timeout.
#pragma once

#include <windows.h>

// Returns once a message is queued for the thread or dwMilliseconds have
// passed. Windows 98 and 2000 and later tell of a message that was already
// queued but not yet taken (MsgWaitForMultipleObjectsEx with
// MWMO_INPUTAVAILABLE, looked up when first needed); NT 4.0 only of one
// that arrives after the queue was last looked at, so the caller empties
// the queue right before it waits.
void Win32WaitForMessage(DWORD dwMilliseconds);
