#include <gtest/gtest.h>

#include "platform/LastError.h"
#include "support/FaultyRegistry.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
const char kKey[] = "System\\CurrentControlSet\\Services\\Dovrel\\System";

class RegistryOpsTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
};

TEST_F(RegistryOpsTest, DwordReadsAnswerMissingForEveryUnusableValue) {
  EXPECT_EQ(kRegDwordMissing, ReadRegDword(HKEY_LOCAL_MACHINE, kKey, "X"));
  ASSERT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kKey, "Text", "12"));
  EXPECT_EQ(kRegDwordMissing, ReadRegDword(HKEY_LOCAL_MACHINE, kKey, "Text"));
  EXPECT_EQ(kRegDwordMissing, ReadRegDword(HKEY_LOCAL_MACHINE, kKey, "None"));
  ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, kKey, "All", 0xFFFFFFFF));
  EXPECT_EQ(kRegDwordMissing, ReadRegDword(HKEY_LOCAL_MACHINE, kKey, "All"));
  ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, kKey, "Seven", 7));
  EXPECT_EQ(7u, ReadRegDword(HKEY_LOCAL_MACHINE, kKey, "seven"));
}

// A failing call keeps its Windows error and names itself, its key and the
// error on the debug channel; a write whose flush fails is no success. A
// value that isn't there is an answer, not a failure.
TEST_F(RegistryOpsTest, AFailureKeepsItsErrorAndIsWrittenToTheDebugChannel) {
  CFaultyRegistry registry;
  CPlatform platform = Platform();
  platform.pRegistry = &registry;
  SetPlatform(platform);
  registry.m_failValues = {"Driver"};
  EXPECT_FALSE(WriteRegString(HKEY_LOCAL_MACHINE, kKey, "Driver", "x"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_EQ(std::vector<std::string>{"TESSARINE: RegSetValueExA " +
                                     std::string(kKey) +
                                     "\\Driver failed with error 5\n"},
            m_platform.m_debug.m_lines);

  m_platform.m_debug.m_lines.clear();
  registry.m_lFlushError = ERROR_WRITE_FAULT;
  EXPECT_FALSE(WriteRegDword(HKEY_LOCAL_MACHINE, kKey, "Start", 3));
  EXPECT_EQ(static_cast<DWORD>(ERROR_WRITE_FAULT), GetLastError());
  ASSERT_EQ(1u, m_platform.m_debug.m_lines.size());
  EXPECT_EQ(0u, m_platform.m_debug.m_lines[0].find("TESSARINE: RegFlushKey"));
  EXPECT_EQ(0u, registry.OpenHandleCount());

  m_platform.m_debug.m_lines.clear();
  EXPECT_EQ(kRegDwordMissing, ReadRegDword(HKEY_LOCAL_MACHINE, "Nowhere", "X"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_TRUE(m_platform.m_debug.m_lines.empty());
}
}  // namespace
