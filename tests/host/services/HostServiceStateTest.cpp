#include <gtest/gtest.h>

#include "platform/host/services/HostServiceState.h"
#include "support/ScratchDirectory.h"

namespace {
bool Running(const CHostServiceState& state, const std::string& strName) {
  bool bRunning = true;
  EXPECT_EQ(DWORD(ERROR_SUCCESS), state.IsRunning(strName, &bRunning));
  return bRunning;
}

TEST(HostServiceStateTest, NothingRunsOnAFreshMachine) {
  CScratchDirectory machine;
  CHostServiceState state(machine.Path());
  EXPECT_FALSE(Running(state, "Trevant"));
  EXPECT_FALSE(machine.Exists("services.state"));
}

TEST(HostServiceStateTest, StateOutlivesTheObjectAndIgnoresCase) {
  CScratchDirectory machine;
  ASSERT_EQ(DWORD(ERROR_SUCCESS),
            HostSetServiceRunning(machine.Path(), "Trevant", true));
  ASSERT_EQ(DWORD(ERROR_SUCCESS),
            HostSetServiceRunning(machine.Path(), "Quorrel", true));
  CHostServiceState later(machine.Path());
  EXPECT_TRUE(Running(later, "TREVANT"));
  EXPECT_TRUE(Running(later, "quorrel"));
  EXPECT_FALSE(Running(later, "Velcor"));
  ASSERT_EQ(DWORD(ERROR_SUCCESS), later.SetRunning("trevant", false));
  EXPECT_FALSE(Running(CHostServiceState(machine.Path()), "Trevant"));
  EXPECT_TRUE(Running(CHostServiceState(machine.Path()), "Quorrel"));
}

TEST(HostServiceStateTest, SeedingByAppendingANameToTheFile) {
  CScratchDirectory machine;
  ASSERT_TRUE(machine.WriteFile(
      "services.state", "# seeded by a test\n  Trevant \r\n\n#Velcor\n"));
  CHostServiceState state(machine.Path());
  EXPECT_TRUE(Running(state, "Trevant"));
  EXPECT_FALSE(Running(state, "Velcor"));
  EXPECT_FALSE(Running(state, "# seeded by a test"));
}

TEST(HostServiceStateTest, AMissingMachineDirectoryIsAWindowsError) {
  CScratchDirectory scratch;
  CHostServiceState state(scratch.Path() + "/gone");
  EXPECT_EQ(DWORD(ERROR_PATH_NOT_FOUND), state.SetRunning("Trevant", true));
  EXPECT_FALSE(Running(state, "Trevant"));
}
}  // namespace
