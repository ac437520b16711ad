#include <gtest/gtest.h>

#include "custom/PortOverride.h"
#include "custom/SettingsKeys.h"
#include "support/RegistryTestUtil.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
class PortOverrideTest : public ::testing::Test {
 protected:
  void AddRange(const std::string& strName, DWORD dwStart, DWORD dwEnd) {
    const std::string strPath =
        std::string(kPortExclusionsKey) + "\\" + strName;
    WriteRegDword(HKEY_LOCAL_MACHINE, strPath, "Start", dwStart);
    WriteRegDword(HKEY_LOCAL_MACHINE, strPath, "End", dwEnd);
  }
  std::string List() {
    return DumpRegistryTree(HKEY_LOCAL_MACHINE, kPortExclusionsKey);
  }

  CTestPlatform m_platform;
};

TEST_F(PortOverrideTest, FindsTheOverrideOrTheNameForANewOne) {
  struct {
    const char* pszCase;
    std::vector<std::tuple<std::string, DWORD, DWORD>> ranges;
    BOOL bFound;
    std::string strName;
  } cases[] = {
      {"no list", {}, FALSE, "0"},
      {"serial ports only",
       {{"0", 0x3F8, 0x3FF}, {"1", 0x2F8, 0x2FF}},
       FALSE,
       "2"},
      {"override present", {{"0", 0x3F8, 0x3FF}, {"1", 0, 0x200}}, TRUE, "1"},
      {"start 0 with another end is no override",
       {{"0", 0, 0x1FF}},
       FALSE,
       "1"},
      {"end 0x200 with another start is no override",
       {{"0", 1, 0x200}},
       FALSE,
       "1"},
      {"a gap is reused", {{"0", 1, 2}, {"2", 3, 4}}, FALSE, "1"},
      {"only the first character counts",
       {{"0abc", 1, 2}, {"1x", 3, 4}},
       FALSE,
       "2"},
      {"names outside 0..O are not counted",
       {{"P", 1, 2}, {"z", 3, 4}},
       FALSE,
       "0"},
      {"an override with a long name",
       {{"0", 1, 2}, {"Override", 0, 0x200}},
       TRUE,
       "Override"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszCase);
    CTestPlatform platform;
    for (const auto& range : c.ranges)
      AddRange(std::get<0>(range), std::get<1>(range), std::get<2>(range));
    std::string strName = "stale";
    EXPECT_EQ(c.bFound, FindPortOverride(&strName));
    EXPECT_EQ(c.strName, strName);
    EXPECT_EQ(0u, platform.m_registry.OpenHandleCount());
  }
}

TEST_F(PortOverrideTest, CreateAndDeleteRoundTripBesideExistingRanges) {
  AddRange("0", 0x3F8, 0x3FF);
  AddRange("1", 0x2F8, 0x2FF);
  const std::string strBefore = List();
  std::string strName;
  ASSERT_FALSE(FindPortOverride(&strName));

  ApplyPortOverride(TRUE);
  const std::string strTwo = std::string(kPortExclusionsKey) + "\\2";
  EXPECT_EQ(0u, ReadRegDword(HKEY_LOCAL_MACHINE, strTwo, "Start"));
  EXPECT_EQ(0x200u, ReadRegDword(HKEY_LOCAL_MACHINE, strTwo, "End"));
  EXPECT_TRUE(FindPortOverride(&strName));
  EXPECT_EQ("2", strName);

  // Asking again for what is there changes nothing.
  const std::string strWith = List();
  ApplyPortOverride(TRUE);
  EXPECT_EQ(strWith, List());

  ApplyPortOverride(FALSE);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, strTwo));
  EXPECT_EQ(strBefore, List());
  ApplyPortOverride(FALSE);
  EXPECT_EQ(strBefore, List());
  EXPECT_EQ(0u, m_platform.m_registry.OpenHandleCount());
}

TEST_F(PortOverrideTest, OverrideWithSubkeysIsDeletedWhole) {
  AddRange("0", 0, 0x200);
  WriteRegDword(HKEY_LOCAL_MACHINE,
                std::string(kPortExclusionsKey) + "\\0\\Extra", "X", 1);
  ApplyPortOverride(FALSE);
  EXPECT_FALSE(
      KeyExists(HKEY_LOCAL_MACHINE, std::string(kPortExclusionsKey) + "\\0"));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kPortExclusionsKey));
}

TEST_F(PortOverrideTest, AllNamesTakenCreatesNothingAndKeepsTheList) {
  for (int i = 0; i < 32; ++i)
    AddRange(std::string(1, char('0' + i)), 0x100 + i, 0x100 + i);
  std::string strName = "stale";
  EXPECT_FALSE(FindPortOverride(&strName));
  EXPECT_EQ("", strName);
  const std::string strBefore = List();
  ApplyPortOverride(TRUE);
  EXPECT_EQ(strBefore, List());
  // The list's own key never gets the override's values.
  EXPECT_EQ(kRegDwordMissing,
            ReadRegDword(HKEY_LOCAL_MACHINE, kPortExclusionsKey, "Start"));
  ApplyPortOverride(FALSE);
  EXPECT_EQ(strBefore, List());
}
}  // namespace
