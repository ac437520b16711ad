// The MAC database repair against the host's service control manager, its
// stand-in repair driver and a machine directory: the whole path from the
// handler to the record in the registry, within one process.
#include <gtest/gtest.h>

#include "app/quorrelApp.h"
#include "platform/host/services/HostDevice.h"
#include "platform/host/services/HostMacDatabase.h"
#include "platform/host/services/HostServiceManager.h"
#include "repair/MacDatabaseRepair.h"
#include "res/RepairStringIds.h"
#include "support/RegistryTestUtil.h"
#include "support/ResultFileFake.h"
#include "support/ScratchDirectory.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
const char kQuorrelKey[] = "System\\CurrentControlSet\\Services\\Quorrel";

class MacDatabaseRepairHostTest : public ::testing::Test {
 protected:
  MacDatabaseRepairHostTest()
      : m_services(m_platform.m_registry, m_machine.Path()),
        m_device(m_platform.m_registry, m_machine.Path()) {
    CPlatform platform = Platform();
    platform.pServices = &m_services;
    platform.pDevices = &m_device;
    platform.pFiles = &m_files;  // the program is C:\Tools\quorrel.exe
    SetPlatform(platform);
    m_platform.m_user.m_answers.push_back(IDYES);
    EXPECT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, kMacDatabaseKey,
                              "R2Configuration", 2));
  }
  ~MacDatabaseRepairHostTest() override { QuorrelApp().m_nBusyCount = 0; }

  void StoreRecord(const std::vector<BYTE>& record) {
    SetRawValue(HKEY_LOCAL_MACHINE, kMacDatabaseKey, kMacDatabaseValue,
                REG_BINARY, record);
  }
  std::vector<BYTE> Record() {
    DWORD dwType = 0;
    CBytes bytes;
    EXPECT_TRUE(GetRawValue(HKEY_LOCAL_MACHINE, kMacDatabaseKey,
                            kMacDatabaseValue, &dwType, &bytes));
    return bytes;
  }
  bool QuorrelRuns() {
    bool bRunning = true;
    EXPECT_EQ(DWORD(ERROR_SUCCESS),
              m_services.State().IsRunning("Quorrel", &bRunning));
    return bRunning;
  }
  size_t Restarts() const {
    return m_platform.m_security.m_shutdownRequests.size();
  }

  CTestPlatform m_platform;
  CScratchDirectory m_machine;
  CHostServiceManager m_services;
  CHostDevice m_device;
  CResultFileFake m_files;
};

TEST_F(MacDatabaseRepairHostTest, DamagedDatabaseIsRepairedThenRestart) {
  ASSERT_TRUE(m_machine.WriteFile("Tools/quorrel.sys", "driver image"));
  std::vector<BYTE> damaged = MacDatabaseRecord({0xC8000, 0xD0000});
  damaged.back() ^= 0x01;  // checksum
  StoreRecord(damaged);

  RepairMacDatabase();

  EXPECT_EQ(
      (std::vector<UINT>{IDS_MAC_REPAIR_CONFIRM, IDS_MAC_DATABASE_REPAIRED}),
      m_platform.m_user.BoxIds());
  EXPECT_EQ(MacDatabaseRecord({0xC8000, 0xD0000}), Record());
  EXPECT_EQ(1u, Restarts());
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kQuorrelKey));
  EXPECT_FALSE(QuorrelRuns());
  EXPECT_EQ(0u, m_services.OpenHandleCount());
  EXPECT_EQ(0u, m_device.OpenHandleCount());
}

TEST_F(MacDatabaseRepairHostTest, SoundDatabaseGivesNoErrorsAndNoRestart) {
  ASSERT_TRUE(m_machine.WriteFile("TOOLS/QUORREL.SYS"));
  StoreRecord(MacDatabaseRecord({0xD8000}));
  RepairMacDatabase();
  EXPECT_EQ((std::vector<UINT>{IDS_MAC_REPAIR_CONFIRM, IDS_MAC_DATABASE_SOUND}),
            m_platform.m_user.BoxIds());
  EXPECT_EQ(MacDatabaseRecord({0xD8000}), Record());
  EXPECT_EQ(0u, Restarts());
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kQuorrelKey));
}

TEST_F(MacDatabaseRepairHostTest, MissingDriverImage) {
  StoreRecord({1, 2, 3});
  RepairMacDatabase();
  ASSERT_EQ(
      (std::vector<UINT>{IDS_MAC_REPAIR_CONFIRM, IDS_SERVICE_START_FAILED}),
      m_platform.m_user.BoxIds());
  EXPECT_EQ(
      "Unable to start Registry Update Utility Kernel Service.\r\n"
      "Failed with error code 2.",
      m_platform.m_user.m_boxes[1].strText);
  EXPECT_EQ((std::vector<BYTE>{1, 2, 3}), Record());
  EXPECT_EQ(0u, Restarts());
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kQuorrelKey));
}

TEST_F(MacDatabaseRepairHostTest, LeftoverRunningServiceIsReusedUnchanged) {
  // An earlier run left the service registered, running, from elsewhere.
  ASSERT_TRUE(m_machine.WriteFile("Old/quorrel.sys"));
  ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, kQuorrelKey, "Type", 1));
  ASSERT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kQuorrelKey, "ImagePath",
                             "C:\\Old\\quorrel.sys"));
  ASSERT_EQ(DWORD(ERROR_SUCCESS),
            HostSetServiceRunning(m_machine.Path(), "Quorrel", true));
  StoreRecord(MacDatabaseRecord({}));

  RepairMacDatabase();

  EXPECT_EQ((std::vector<UINT>{IDS_MAC_REPAIR_CONFIRM, IDS_MAC_DATABASE_SOUND}),
            m_platform.m_user.BoxIds());
  EXPECT_FALSE(QuorrelRuns());
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kQuorrelKey));
}

TEST_F(MacDatabaseRepairHostTest, RequestFailsWithoutTheResourceManager) {
  ASSERT_TRUE(m_machine.WriteFile("Tools/quorrel.sys"));
  ASSERT_TRUE(DeleteRegKeyTree(HKEY_LOCAL_MACHINE,
                               "System\\CurrentControlSet\\Services\\Dovrel"));
  RepairMacDatabase();
  ASSERT_EQ((std::vector<UINT>{IDS_MAC_REPAIR_CONFIRM, IDS_MAC_REPAIR_FAILED}),
            m_platform.m_user.BoxIds());
  EXPECT_EQ(
      "Unable to repair Registry MAC Database.\r\n"
      "Failed with error code 2.",
      m_platform.m_user.m_boxes[1].strText);
  EXPECT_EQ(0u, Restarts());
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kQuorrelKey));
  EXPECT_FALSE(QuorrelRuns());
}
}  // namespace
