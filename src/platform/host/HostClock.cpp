#include "HostClock.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "HostRunEnd.h"

void CHostClock::Sleep(DWORD dwMilliseconds) {
  std::this_thread::sleep_for(
      std::chrono::microseconds(uint64_t{dwMilliseconds} * 1000 / m_nScale));
  // The waits of long operations sleep here: an end signal is seen at once.
  CheckHostEndSignal();
}

DWORD CHostClock::GetTickCount() {
  const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<DWORD>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() *
      m_nScale);
}

unsigned HostClockScale() {
  const char* pszScale = std::getenv("QUORREL_CLOCK_SCALE");
  if (pszScale == nullptr) return 1;
  char* pszEnd = nullptr;
  const unsigned long nScale = std::strtoul(pszScale, &pszEnd, 10);
  return *pszEnd == '\0' && nScale >= 1 && nScale <= 1000
             ? static_cast<unsigned>(nScale)
             : 1;
}
