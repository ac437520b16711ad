// The program's waits: a non-alertable sleep, then every message queued for
// the thread is dispatched, so that its own windows stay served.
#pragma once

#include "platform/WinTypes.h"

void SleepAndDispatchMessages(DWORD dwMilliseconds);
