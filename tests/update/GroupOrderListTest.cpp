#include <gtest/gtest.h>

#include "support/RegistryTestUtil.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"
#include "update/GroupOrderList.h"

namespace {
const char kGroup[] = "System Bus Extender";
const std::string kServices = "System\\CurrentControlSet\\Services\\";

class GroupOrderListTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;

  void SetList(const std::string& strGroup, const CBytes& bytes,
               DWORD dwType = REG_BINARY) {
    SetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey, strGroup, dwType,
                bytes);
  }
  CBytes List(const std::string& strGroup = kGroup) {
    DWORD dwType = 0;
    CBytes bytes;
    EXPECT_TRUE(GetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey, strGroup,
                            &dwType, &bytes));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), dwType);
    return bytes;
  }
  void AddService(const std::string& strName, const std::string& strGroup,
                  DWORD dwTag) {
    if (!strGroup.empty())
      WriteRegString(HKEY_LOCAL_MACHINE, kServices + strName, "Group",
                     strGroup);
    if (dwTag != kRegDwordMissing)
      WriteRegDword(HKEY_LOCAL_MACHINE, kServices + strName, "Tag", dwTag);
    WriteRegDword(HKEY_LOCAL_MACHINE, kServices + strName, "Start", 0);
  }
};

TEST_F(GroupOrderListTest, RemoveTagDropsEveryOccurrenceAndWhatFollowsTheList) {
  struct {
    std::vector<DWORD> list;
    CBytes trailing;
    DWORD dwTag;
    BOOL bResult;
    CBytes expected;
  } cases[] = {
      {{5, 7, 9}, {}, 7, TRUE, TagListBytes({5, 9})},
      {{5, 7, 9}, {}, 8, FALSE, TagListBytes({5, 7, 9})},
      {{5, 7, 7, 9, 7}, {}, 7, TRUE, TagListBytes({5, 9})},
      {{7, 7}, {}, 7, TRUE, TagListBytes({})},
      {{}, {}, 7, FALSE, TagListBytes({})},
      {{5, 7, 9}, {0xAA, 0xBB, 0xCC}, 5, TRUE, TagListBytes({7, 9})},
      {{5, 7, 9},
       {0xAA, 0xBB, 0xCC},
       4,
       FALSE,
       TagListBytes({5, 7, 9}, {0xAA, 0xBB, 0xCC})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.list) + " without " +
                 std::to_string(c.dwTag));
    SetList(kGroup, TagListBytes(c.list, c.trailing));
    EXPECT_EQ(c.bResult, RemoveGroupOrderTag(kGroup, c.dwTag));
    EXPECT_EQ(c.expected, List());
  }
  EXPECT_EQ(0u, m_platform.m_registry.OpenHandleCount());
}

TEST_F(GroupOrderListTest, AListOfTheFullReadableSizeIsUsable) {
  std::vector<DWORD> tags;
  for (DWORD i = 1; i <= 64; ++i) tags.push_back(i);
  SetList(kGroup, TagListBytes(tags));  // 260 bytes
  ASSERT_TRUE(RemoveGroupOrderTag(kGroup, 64));
  tags.pop_back();
  EXPECT_EQ(TagListBytes(tags), List());
}

// Values that must be treated as absent by every operation: left unchanged,
// with FALSE.
TEST_F(GroupOrderListTest, UnusableValuesAreLeftAlone) {
  std::vector<DWORD> tooMany;
  for (DWORD i = 1; i <= 65; ++i) tooMany.push_back(i);
  struct {
    const char* pszWhat;
    DWORD dwType;
    CBytes bytes;
  } cases[] = {
      {"count of 1000", REG_BINARY, {0xE8, 0x03, 0, 0, 2, 0, 0, 0}},
      {"count of 0xFFFFFFFF", REG_BINARY, {0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0}},
      {"count beyond the bytes",
       REG_BINARY,
       {3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}},
      {"shorter than a count", REG_BINARY, {1, 0}},
      {"empty", REG_BINARY, {}},
      {"not binary", REG_DWORD, {1, 0, 0, 0}},
      {"text", REG_SZ, {'1', 0}},
      {"longer than 260 bytes", REG_BINARY, TagListBytes(tooMany)},
  };
  AddService("Pcmcia", kGroup, 2);
  AddService("Velcor", kGroup, 1);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszWhat);
    SetList(kGroup, c.bytes, c.dwType);
    EXPECT_FALSE(RemoveGroupOrderTag(kGroup, 1));
    EXPECT_FALSE(RemoveGroupOrderTag(kGroup, 2));
    EXPECT_FALSE(RemoveUnusedGroupOrderTags(kGroup));
    EXPECT_FALSE(MovePcmciaBeforeSuiteDrivers());
    DWORD dwType = 0;
    CBytes stored;
    ASSERT_TRUE(GetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey, kGroup,
                            &dwType, &stored));
    EXPECT_EQ(c.dwType, dwType);
    EXPECT_EQ(c.bytes, stored);
  }
}

TEST_F(GroupOrderListTest, NoGroupOrderListKeyMeansNoChangeAndNoKey) {
  AddService("Velcor", kGroup, 1);
  AddService("Pcmcia", kGroup, 2);
  EXPECT_FALSE(RemoveGroupOrderTag(kGroup, 1));
  EXPECT_FALSE(RemoveServiceGroupOrderTag("Velcor"));
  EXPECT_FALSE(RemoveUnusedGroupOrderTags(kGroup));
  EXPECT_FALSE(MovePcmciaBeforeSuiteDrivers());
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kGroupOrderListKey));
}

TEST_F(GroupOrderListTest, ServiceTagIsRemovedFromTheGroupItNames) {
  SetList(kGroup, TagListBytes({5, 7, 9}));
  SetList("Primary disk", TagListBytes({7, 8}));
  AddService("Pellin", "Primary disk", 7);
  EXPECT_TRUE(RemoveServiceGroupOrderTag("Pellin"));
  EXPECT_EQ(TagListBytes({8}), List("Primary disk"));
  EXPECT_EQ(TagListBytes({5, 7, 9}), List(kGroup));
}

TEST_F(GroupOrderListTest, GroupReadAsExpandableTextCounts) {
  SetList(kGroup, TagListBytes({5, 7, 9}));
  const std::string strGroup = kGroup;
  SetRawValue(HKEY_LOCAL_MACHINE, kServices + "Kestan", "Group", REG_EXPAND_SZ,
              CBytes(strGroup.begin(), strGroup.end() + 1));
  WriteRegDword(HKEY_LOCAL_MACHINE, kServices + "Kestan", "Tag", 9);
  EXPECT_TRUE(RemoveServiceGroupOrderTag("Kestan"));
  EXPECT_EQ(TagListBytes({5, 7}), List());
}

TEST_F(GroupOrderListTest, ServiceWithoutGroupOrTagLeavesTheListAlone) {
  SetList(kGroup, TagListBytes({5, 7, 9}));
  AddService("NoGroup", "", 7);
  AddService("NoTag", kGroup, kRegDwordMissing);
  AddService("EmptyGroup", "", 7);
  WriteRegString(HKEY_LOCAL_MACHINE, kServices + "EmptyGroup", "Group", "");
  AddService("UnlistedTag", kGroup, 8);
  AddService("WrongGroup", "Primary disk", 7);
  for (const char* pszService : {"NoGroup", "NoTag", "EmptyGroup",
                                 "UnlistedTag", "WrongGroup", "NotInstalled"}) {
    SCOPED_TRACE(pszService);
    EXPECT_FALSE(RemoveServiceGroupOrderTag(pszService));
    EXPECT_EQ(TagListBytes({5, 7, 9}), List());
  }
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kServices + "NotInstalled"));
}

TEST_F(GroupOrderListTest, UnusedTagsAreThoseNoMemberOfTheGroupHolds) {
  SetList(kGroup, TagListBytes({1, 2, 3, 4, 2}, {0x11, 0x22}));
  AddService("Alpha", kGroup, 1);
  AddService("Gamma", kGroup, 3);
  AddService("CaseOnly", "system bus extender", 4);  // a member all the same
  AddService("Elsewhere", "Primary disk", 2);        // not a member
  AddService("NoTag", kGroup, kRegDwordMissing);
  EXPECT_TRUE(RemoveUnusedGroupOrderTags(kGroup));
  EXPECT_EQ(TagListBytes({1, 3, 4}), List());
  EXPECT_FALSE(RemoveUnusedGroupOrderTags(kGroup));
  EXPECT_EQ(TagListBytes({1, 3, 4}), List());
  EXPECT_EQ(0u, m_platform.m_registry.OpenHandleCount());
}

TEST_F(GroupOrderListTest, NothingIsUnusedWhenTheServicesKeyIsMissing) {
  SetList(kGroup, TagListBytes({1, 2, 3}));
  ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kServices));
  EXPECT_FALSE(RemoveUnusedGroupOrderTags(kGroup));
  EXPECT_EQ(TagListBytes({1, 2, 3}), List());
}

TEST_F(GroupOrderListTest, PcmciaMovesInFrontOfTheFirstSuiteDriverAhead) {
  struct {
    std::vector<DWORD> list;
    BOOL bResult;
    std::vector<DWORD> expected;
  } cases[] = {
      {{4, 1, 6, 2}, TRUE, {4, 2, 1, 6}},
      {{1, 4, 6, 9, 2, 8}, TRUE, {2, 1, 4, 6, 9, 8}},
      {{2, 1, 6}, FALSE, {2, 1, 6}},
      {{4, 9, 2}, FALSE, {4, 9, 2}},  // no suite tag ahead of Pcmcia
      {{4, 1, 6}, FALSE, {4, 1, 6}},  // no Pcmcia tag
      {{}, FALSE, {}},
  };
  AddService("Pcmcia", kGroup, 2);
  AddService("Velcor", kGroup, 1);
  AddService("Orvik", "Primary disk", 6);  // its group does not matter
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.list));
    SetList(kGroup, TagListBytes(c.list));
    EXPECT_EQ(c.bResult, MovePcmciaBeforeSuiteDrivers());
    EXPECT_EQ(TagListBytes(c.expected), List());
  }
}

TEST_F(GroupOrderListTest, MoveKeepsTheBytesAfterTheList) {
  SetList(kGroup, TagListBytes({4, 1, 6, 2}, {0xDE, 0xAD, 0xBE}));
  AddService("Pcmcia", kGroup, 2);
  AddService("Brannic", kGroup, 1);
  EXPECT_TRUE(MovePcmciaBeforeSuiteDrivers());
  EXPECT_EQ(TagListBytes({4, 2, 1, 6}, {0xDE, 0xAD, 0xBE}), List());
}

TEST_F(GroupOrderListTest, PcmciaWithoutTagIsNeverMoved) {
  AddService("Pcmcia", kGroup, kRegDwordMissing);
  AddService("Velcor", kGroup, 1);
  // A listed 0xFFFFFFFF is not taken for the tag Pcmcia lacks.
  SetList(kGroup, TagListBytes({1, 0xFFFFFFFF}));
  EXPECT_FALSE(MovePcmciaBeforeSuiteDrivers());
  EXPECT_EQ(TagListBytes({1, 0xFFFFFFFF}), List());
}

TEST_F(GroupOrderListTest, MoveNeedsTheServicesKey) {
  SetList(kGroup, TagListBytes({1, 0}));
  EXPECT_FALSE(MovePcmciaBeforeSuiteDrivers());
  EXPECT_EQ(TagListBytes({1, 0}), List());
}
}  // namespace
