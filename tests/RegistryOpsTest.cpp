#include <gtest/gtest.h>

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
}  // namespace
