#include <gtest/gtest.h>

#include "repair/RepairsDlg.h"
#include "res/AppStringIds.h"
#include "res/RepairStringIds.h"
#include "res/Resource.h"
#include "support/FakeServiceManager.h"
#include "support/ScriptedDevice.h"
#include "support/ScriptedUi.h"
#include "support/TestPlatform.h"

namespace {
class RepairsDlgTest : public ::testing::Test {
 protected:
  RepairsDlgTest() {
    CPlatform platform = Platform();
    platform.pServices = &m_services;
    platform.pDevices = &m_device;
    SetPlatform(platform);
  }
  CTestPlatform m_platform;
  CScriptedUi m_ui{m_platform};
  CFakeServiceManager m_services;
  CCallLog& m_log = m_services.m_calls;
  CScriptedDevice m_device{m_log};
};

TEST_F(RepairsDlgTest, ButtonsRunTheRepairsAndTheDialogStaysOpen) {
  CRepairsDlg dlg;
  m_ui.Click(IDC_REPAIR_GROUP_ORDER_LIST)
      .ExpectDialog(IDD_REPAIRS)
      .Click(IDC_REPAIR_GROUP_ORDER_LIST)
      .Click(IDC_REPAIR_MAC_DATABASE)  // answered No: nothing happens
      .ExpectDialog(IDD_REPAIRS)
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<UINT>{IDS_GROUP_ORDER_SOUND, IDS_GROUP_ORDER_SOUND,
                               IDS_MAC_REPAIR_CONFIRM}),
            m_platform.m_user.BoxIds());
  EXPECT_TRUE(m_log.empty());
}

TEST_F(RepairsDlgTest, NonAdministratorIsRefusedByEachRepair) {
  m_platform.SetAdministrator(false);
  CRepairsDlg dlg;
  m_ui.Click(IDC_REPAIR_MAC_DATABASE)
      .Click(IDC_REPAIR_GROUP_ORDER_LIST)
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<UINT>{IDS_NOT_ADMINISTRATOR, IDS_NOT_ADMINISTRATOR}),
            m_platform.m_user.BoxIds());
  EXPECT_TRUE(m_log.empty());
}
}  // namespace
