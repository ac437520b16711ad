// Time: the program's waits go through here so that tests need not sleep.
#pragma once

#include "WinTypes.h"

class IClock {
 public:
  virtual ~IClock() = default;
  // A non-alertable sleep of the calling thread.
  virtual void Sleep(DWORD dwMilliseconds) = 0;
  // Milliseconds since an arbitrary start, wrapping as Windows' does.
  virtual DWORD GetTickCount() = 0;
};
