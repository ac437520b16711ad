// The host's clock: real sleeps, a monotonic millisecond count.
#pragma once

#include "platform/Clock.h"

class CHostClock : public IClock {
 public:
  void Sleep(DWORD dwMilliseconds) override;
  DWORD GetTickCount() override;
};
