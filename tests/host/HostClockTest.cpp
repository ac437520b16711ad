#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/host/HostClock.h"

namespace {
// The test setting that speeds the clock takes a plain number within
// bounds; anything else leaves real time.
TEST(HostClockTest, ScaleComesFromTheEnvironmentWithinBounds) {
  const struct {
    const char* pszValue;
    unsigned nScale;
  } kCases[] = {{"50", 50}, {"1000", 1000}, {"1001", 1},
                {"0", 1},   {"5x", 1},      {"", 1}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.pszValue);
    setenv("QUORREL_CLOCK_SCALE", c.pszValue, 1);
    EXPECT_EQ(c.nScale, HostClockScale());
  }
  unsetenv("QUORREL_CLOCK_SCALE");
  EXPECT_EQ(1u, HostClockScale());
}
}  // namespace
