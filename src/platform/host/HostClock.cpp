#include "HostClock.h"

#include <chrono>
#include <thread>

#include "HostRunEnd.h"

void CHostClock::Sleep(DWORD dwMilliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
  // The waits of long operations sleep here: an end signal is seen at once.
  CheckHostEndSignal();
}

DWORD CHostClock::GetTickCount() {
  const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<DWORD>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}
