// The host's clock: real sleeps, a monotonic millisecond count.
#pragma once

#include "platform/Clock.h"

class CHostClock : public IClock {
 public:
  // A clock nScale times as fast as real time: each sleep lasts 1/nScale of
  // what it asks for and the count advances nScale milliseconds a real one,
  // so waits and timers keep their proportions.
  explicit CHostClock(unsigned nScale = 1) : m_nScale(nScale ? nScale : 1) {}
  void Sleep(DWORD dwMilliseconds) override;
  DWORD GetTickCount() override;

 private:
  unsigned m_nScale;
};

// QUORREL_CLOCK_SCALE (1 to 1000; 1 when unset or anything else): the
// end-to-end tests run the program on a fast clock, so that the Clear's fixed
// waits do not hold them up.
unsigned HostClockScale();
