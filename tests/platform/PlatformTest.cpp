#include <gtest/gtest.h>

#include "platform/Platform.h"

namespace {
// A port the run never set ends the program naming it, in every build.
TEST(PlatformDeathTest, AMissingPortIsNamed) {
  const CPlatform saved = Platform();
  CPlatform none;
  none.pRegistry = saved.pRegistry;
  SetPlatform(none);
  EXPECT_DEATH(Clock().GetTickCount(), "the clock port is not set");
  EXPECT_DEATH(SystemInfo(), "the system information port is not set");
  SetPlatform(saved);
}
}  // namespace
