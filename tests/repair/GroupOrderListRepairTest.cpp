#include <gtest/gtest.h>

#include "fw/StringTable.h"
#include "repair/GroupOrderListRepair.h"
#include "res/AppStringIds.h"
#include "res/RepairStringIds.h"
#include "support/RegistryTestUtil.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"
#include "update/GroupOrderList.h"

namespace {
const std::string kServices = "System\\CurrentControlSet\\Services\\";

class GroupOrderListRepairTest : public ::testing::Test {
 protected:
  void SetList(const std::vector<DWORD>& tags) {
    SetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey, kSystemBusExtender,
                REG_BINARY, TagListBytes(tags));
  }
  std::vector<DWORD> List() {
    DWORD dwType = 0;
    CBytes bytes;
    EXPECT_TRUE(GetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey,
                            kSystemBusExtender, &dwType, &bytes));
    std::vector<DWORD> words = Words(bytes);
    return std::vector<DWORD>(words.begin() + 1, words.end());
  }
  void AddService(const std::string& strName, DWORD dwTag) {
    WriteRegString(HKEY_LOCAL_MACHINE, kServices + strName, "Group",
                   kSystemBusExtender);
    WriteRegDword(HKEY_LOCAL_MACHINE, kServices + strName, "Tag", dwTag);
  }
  std::vector<UINT> Boxes() const { return m_platform.m_user.BoxIds(); }
  void ExpectInformation(UINT nID) {
    ASSERT_EQ(std::vector<UINT>{nID}, Boxes());
    EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION),
              m_platform.m_user.m_boxes[0].uType);
    m_platform.m_user.m_boxes.clear();
  }

  CTestPlatform m_platform;
};

TEST_F(GroupOrderListRepairTest, TagOfADeletedServiceIsRemoved) {
  AddService("Pcmcia", 1);
  AddService("Velcor", 2);
  // Another maker's driver that spells the group in lower case.
  WriteRegString(HKEY_LOCAL_MACHINE, kServices + "Pcic", "Group",
                 "system bus extender");
  WriteRegDword(HKEY_LOCAL_MACHINE, kServices + "Pcic", "Tag", 5);
  SetList({1, 9, 5, 2});
  RepairGroupOrderList();
  ExpectInformation(IDS_GROUP_ORDER_REPAIRED);
  EXPECT_EQ((std::vector<DWORD>{1, 5, 2}), List());
  // A second press finds nothing more to do.
  RepairGroupOrderList();
  ExpectInformation(IDS_GROUP_ORDER_SOUND);
  EXPECT_EQ((std::vector<DWORD>{1, 5, 2}), List());
}

TEST_F(GroupOrderListRepairTest, PcmciaMovesAheadOfTheSuite) {
  AddService("Velcor", 2);
  AddService("Pcmcia", 1);
  SetList({2, 1});
  RepairGroupOrderList();
  ExpectInformation(IDS_GROUP_ORDER_REPAIRED);
  EXPECT_EQ((std::vector<DWORD>{1, 2}), List());
}

TEST_F(GroupOrderListRepairTest, BothCorrectionsInOneRunRemovalFirst) {
  AddService("Velcor", 2);
  AddService("Brannic", 3);
  AddService("Pcmcia", 1);
  SetList({2, 7, 3, 1});
  RepairGroupOrderList();
  ExpectInformation(IDS_GROUP_ORDER_REPAIRED);
  EXPECT_EQ((std::vector<DWORD>{1, 2, 3}), List());
}

TEST_F(GroupOrderListRepairTest, SoundListOrNoListChangesNothing) {
  RepairGroupOrderList();
  ExpectInformation(IDS_GROUP_ORDER_SOUND);
  EXPECT_EQ("", DumpRegistryTree(HKEY_LOCAL_MACHINE, kGroupOrderListKey));

  AddService("Pcmcia", 1);
  AddService("Velcor", 2);
  SetList({1, 2});
  const std::string strBefore = DumpRegistryTree(HKEY_LOCAL_MACHINE, "System");
  RepairGroupOrderList();
  ExpectInformation(IDS_GROUP_ORDER_SOUND);
  EXPECT_EQ(strBefore, DumpRegistryTree(HKEY_LOCAL_MACHINE, "System"));
}

TEST_F(GroupOrderListRepairTest, NonAdministratorChangesNothing) {
  AddService("Velcor", 2);
  AddService("Pcmcia", 1);
  SetList({2, 9, 1});
  m_platform.SetAdministrator(false);
  RepairGroupOrderList();
  ASSERT_EQ(std::vector<UINT>{IDS_NOT_ADMINISTRATOR}, Boxes());
  EXPECT_EQ(UINT(MB_OK | MB_ICONSTOP), m_platform.m_user.m_boxes[0].uType);
  EXPECT_EQ((std::vector<DWORD>{2, 9, 1}), List());
}

TEST(RepairStringsTest, TextsAreExact) {
  EXPECT_EQ(
      "The MAC Database repair completed successfully.\r\n\r\nYou must "
      "upgrade to version 5.00.14 or higher to avoid this problem in the "
      "future.\r\nIf Tessarine is not currently installed, then find and "
      "delete the file DOVRELBK\r\nfrom the Tessarine program files "
      "directory.\r\n\r\nYour computer will now be restarted.",
      LoadResString(IDS_MAC_DATABASE_REPAIRED));
  EXPECT_EQ(
      "After successful completion of the repair operation,\r\nthis program "
      "will restart your computer.\r\n\r\nDo you wish to continue?",
      LoadResString(IDS_MAC_REPAIR_CONFIRM));
  EXPECT_EQ(
      "No errors were found in the Group Order List.\r\nNo corrections or "
      "changes have been made.",
      LoadResString(IDS_GROUP_ORDER_SOUND));
  for (UINT nID = IDS_SCM_OPEN_FAILED; nID <= IDS_GROUP_ORDER_REPAIRED; ++nID) {
    SCOPED_TRACE(nID);
    EXPECT_TRUE(HasResString(nID));
    const bool bFailure =
        nID <= IDS_MAC_REPAIR_FAILED ||
        (nID >= IDS_SERVICE_CLOSE_FAILED && nID <= IDS_SERVICE_OPEN_FAILED);
    EXPECT_EQ(bFailure, LoadResString(nID).find("\r\nFailed with error code "
                                                "%d.") != std::string::npos);
  }
}
}  // namespace
