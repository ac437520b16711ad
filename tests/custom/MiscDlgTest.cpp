#include <gtest/gtest.h>

#include "custom/MiscDlg.h"
#include "custom/SettingsKeys.h"
#include "res/CustomStringIds.h"
#include "res/Resource.h"
#include "support/BusyProbeRegistry.h"
#include "support/RegistryTestUtil.h"
#include "support/ScriptedUi.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
class MiscDlgTest : public ::testing::Test {
 protected:
  MiscDlgTest() {
    CPlatform platform = Platform();
    platform.pRegistry = &m_registry;
    SetPlatform(platform);
  }
  std::string Everything() {
    return DumpRegistryTree(HKEY_LOCAL_MACHINE, "System") +
           DumpRegistryTree(HKEY_USERS, ".DEFAULT");
  }

  CTestPlatform m_platform;
  CBusyProbeRegistry m_registry;
  CScriptedUi m_ui{m_platform};
};

TEST_F(MiscDlgTest, OpensWithTheStoredStateEachTime) {
  struct {
    DWORD dwPowerOff, dwFailure;  // kRegDwordMissing: no value
    UINT nPowerOffBox, nDisableBox;
  } cases[] = {
      {kRegDwordMissing, kRegDwordMissing, BST_CHECKED, BST_UNCHECKED},
      {0xFFFFFFFF, 0xFFFFFFFF, BST_CHECKED, BST_UNCHECKED},
      {0, 0, BST_UNCHECKED, BST_CHECKED},
      {1, 1, BST_CHECKED, BST_UNCHECKED},
      {3, 9, BST_CHECKED, BST_UNCHECKED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dwPowerOff << "/" << c.dwFailure);
    if (c.dwPowerOff != kRegDwordMissing)
      WriteRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                    "PowerOffSlotsOnSD", c.dwPowerOff);
    if (c.dwFailure != kRegDwordMissing)
      WriteRegDword(HKEY_USERS, kNotifyKey, "Failure", c.dwFailure);
    CMiscDlg dlg;
    m_ui.ExpectDialog(IDD_MISC)
        .Do([&] {
          EXPECT_EQ(c.nPowerOffBox,
                    dlg.IsDlgButtonChecked(IDC_POWER_OFF_SLOTS));
          EXPECT_EQ(c.nDisableBox,
                    dlg.IsDlgButtonChecked(IDC_DISABLE_NOTIFICATIONS));
        })
        .Click(IDCANCEL);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    DeleteRegValue(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                   "PowerOffSlotsOnSD");
    DeleteRegValue(HKEY_USERS, kNotifyKey, "Failure");
  }
}

TEST_F(MiscDlgTest, OkWritesBothValuesUnderTheBusyState) {
  {
    CMiscDlg dlg;
    m_ui.Click(IDOK);
    EXPECT_EQ(IDOK, dlg.DoModal());
  }
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                             "PowerOffSlotsOnSD"));
  EXPECT_EQ(1u, ReadRegDword(HKEY_USERS, kNotifyKey, "Failure"));
  EXPECT_EQ((std::vector<std::string>{"PowerOffSlotsOnSD", "Failure"}),
            m_registry.Values());
  EXPECT_TRUE(m_registry.AllBusy());
  EXPECT_EQ(0u, QuorrelApp().m_nBusyCount);

  m_registry.m_writes.clear();
  CMiscDlg dlg;
  m_ui.Click(IDC_POWER_OFF_SLOTS).Click(IDC_DISABLE_NOTIFICATIONS).Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(0u, ReadRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                             "PowerOffSlotsOnSD"));
  EXPECT_EQ(0u, ReadRegDword(HKEY_USERS, kNotifyKey, "Failure"));
}

TEST_F(MiscDlgTest, CancelWritesNothing) {
  WriteRegDword(HKEY_USERS, kNotifyKey, "Failure", 5);
  const std::string strBefore = Everything();
  m_registry.m_writes.clear();
  CMiscDlg dlg;
  m_ui.Click(IDC_POWER_OFF_SLOTS)
      .Click(IDC_DISABLE_NOTIFICATIONS)
      .Click(IDCANCEL);
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_TRUE(m_registry.m_writes.empty());
  EXPECT_EQ(strBefore, Everything());
}

TEST_F(MiscDlgTest, MoreInformationButtons) {
  CMiscDlg dlg;
  m_ui.Click(IDC_MORE_POWER_OFF_SLOTS)
      .Click(IDC_MORE_DISABLE_NOTIFICATIONS)
      .Click(IDCANCEL);
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ((std::vector<UINT>{IDS_MORE_POWER_OFF_SLOTS,
                               IDS_MORE_DISABLE_NOTIFICATIONS}),
            m_platform.m_user.BoxIds());
  for (const auto& box : m_platform.m_user.m_boxes)
    EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), box.uType);
}
}  // namespace
