#include <gtest/gtest.h>

#include "app/quorrelApp.h"
#include "fw/MessageBox.h"
#include "fw/StringTable.h"
#include "platform/QuorrelControl.h"
#include "repair/MacDatabaseRepair.h"
#include "res/AppStringIds.h"
#include "res/RepairStringIds.h"
#include "support/FakeServiceManager.h"
#include "support/ResultFileFake.h"
#include "support/ScriptedDevice.h"
#include "support/TestPlatform.h"

namespace {
const CCallLog kFullRun = {"OpenSCManager",
                           "CreateService",
                           "StartService",
                           "CreateFile",
                           "DeviceIoControl",
                           "CloseHandle",
                           "ControlService",
                           "DeleteService",
                           "CloseServiceHandle(service)",
                           "CloseServiceHandle(manager)"};

class MacDatabaseRepairTest : public ::testing::Test {
 protected:
  MacDatabaseRepairTest() {
    CPlatform platform = Platform();
    platform.pServices = &m_services;
    platform.pDevices = &m_device;
    platform.pFiles = &m_files;
    SetPlatform(platform);
    m_platform.m_user.m_answers.push_back(IDYES);
  }
  // RestartComputer stays busy for good; the next test starts idle.
  ~MacDatabaseRepairTest() override { QuorrelApp().m_nBusyCount = 0; }

  size_t Restarts() const {
    return m_platform.m_security.m_shutdownRequests.size();
  }

  CTestPlatform m_platform;
  CFakeServiceManager m_services;
  CCallLog& m_log = m_services.m_calls;
  CScriptedDevice m_device{m_log};
  CResultFileFake m_files;
};

// A message the run is expected to show; dwError is formatted into the
// failure messages.
struct CExpectedBox {
  UINT nID;
  DWORD dwError;
};

struct CStepCase {
  const char* pszCase;
  std::map<std::string, DWORD> serviceFailures;
  std::map<std::string, DWORD> deviceFailures;
  DWORD dwCloseServiceError;
  DWORD dwCloseManagerError;
  DWORD dwRepairResult;
  CCallLog calls;
  std::vector<CExpectedBox> boxes;  // after the confirmation
  bool bRestart;
  bool bLeftInstalled = false;  // by an earlier run
};

UINT IconOf(UINT nID) {
  switch (nID) {
    case IDS_MAC_DATABASE_SOUND:
    case IDS_MAC_DATABASE_REPAIRED:
      return MB_ICONINFORMATION;
    default:
      return MB_ICONEXCLAMATION;
  }
}

TEST_F(MacDatabaseRepairTest, StepTable) {
  const CStepCase cases[] = {
      {"clean run, nothing to repair",
       {},
       {},
       0,
       0,
       0,
       kFullRun,
       {{160, 0}},
       false},
      {"clean run, repaired", {}, {}, 0, 0, 7, kFullRun, {{161, 0}}, true},
      {"manager can't be opened",
       {{"OpenSCManager", 5}},
       {},
       0,
       0,
       1,
       {"OpenSCManager"},
       {{154, 5}},
       false},
      {"creation fails",
       {{"CreateService", 1072}},
       {},
       0,
       0,
       1,
       {"OpenSCManager", "CreateService", "CloseServiceHandle(manager)"},
       {{155, 1072}},
       false},
      {"existing service reused",
       {},
       {},
       0,
       0,
       1,
       {"OpenSCManager", "CreateService", "OpenService", "StartService",
        "CreateFile", "DeviceIoControl", "CloseHandle", "ControlService",
        "DeleteService", "CloseServiceHandle(service)",
        "CloseServiceHandle(manager)"},
       {{161, 0}},
       true,
       true},
      {"existing service can't be opened",
       {{"OpenService", 5}},
       {},
       0,
       0,
       1,
       {"OpenSCManager", "CreateService", "OpenService",
        "CloseServiceHandle(manager)"},
       {{166, 5}},
       false,
       true},
      {"start fails: no stop request, still deleted",
       {{"StartService", 2}},
       {},
       0,
       0,
       1,
       {"OpenSCManager", "CreateService", "StartService", "DeleteService",
        "CloseServiceHandle(service)", "CloseServiceHandle(manager)"},
       {{156, 2}},
       false},
      {"already running counts as started",
       {{"StartService", 1056}},
       {},
       0,
       0,
       0,
       kFullRun,
       {{160, 0}},
       false},
      {"device can't be opened",
       {},
       {{"CreateFile", 2}},
       0,
       0,
       1,
       {"OpenSCManager", "CreateService", "StartService", "CreateFile",
        "ControlService", "DeleteService", "CloseServiceHandle(service)",
        "CloseServiceHandle(manager)"},
       {{165, 2}},
       false},
      {"request fails: result stays 0 whatever the buffer holds",
       {},
       {{"DeviceIoControl", 1117}},
       0,
       0,
       1,
       kFullRun,
       {{159, 1117}},
       false},
      {"device close fails after a repair",
       {},
       {{"CloseHandle", 6}},
       0,
       0,
       1,
       kFullRun,
       {{161, 0}, {164, 6}},
       true},
      {"stop fails after a repair",
       {{"ControlService", 1061}},
       {},
       0,
       0,
       1,
       kFullRun,
       {{161, 0}, {157, 1061}},
       true},
      {"delete fails after a repair",
       {{"DeleteService", 1072}},
       {},
       0,
       0,
       1,
       kFullRun,
       {{161, 0}, {158, 1072}},
       true},
      {"service handle close fails",
       {},
       {},
       6,
       0,
       1,
       kFullRun,
       {{161, 0}, {163, 6}},
       true},
      {"manager handle close fails",
       {},
       {},
       0,
       6,
       0,
       kFullRun,
       {{160, 0}, {163, 6}},
       false},
      {"every clean-up step fails, each reported, restart still follows",
       {{"ControlService", 1061}, {"DeleteService", 1072}},
       {{"CloseHandle", 6}},
       6,
       6,
       1,
       kFullRun,
       {{161, 0}, {164, 6}, {157, 1061}, {158, 1072}, {163, 6}, {163, 6}},
       true},
  };
  for (const CStepCase& c : cases) {
    SCOPED_TRACE(c.pszCase);
    m_log.clear();
    m_platform.m_user.m_boxes.clear();
    m_platform.m_user.m_answers = {IDYES};
    m_platform.m_security.m_shutdownRequests.clear();
    m_services.m_services.clear();
    if (c.bLeftInstalled) m_services.m_services["Quorrel"];
    m_services.m_failures = c.serviceFailures;
    m_device.m_failures = c.deviceFailures;
    m_device.m_bWriteResultOnFailure = true;
    m_services.m_dwCloseServiceError = c.dwCloseServiceError;
    m_services.m_dwCloseManagerError = c.dwCloseManagerError;
    m_device.m_dwRepairResult = c.dwRepairResult;

    RepairMacDatabase();

    EXPECT_EQ(c.calls, m_log);
    const auto& boxes = m_platform.m_user.m_boxes;
    ASSERT_EQ(c.boxes.size() + 1, boxes.size());
    EXPECT_EQ(IDS_MAC_REPAIR_CONFIRM, boxes[0].nIDPrompt);
    for (size_t i = 0; i < c.boxes.size(); ++i) {
      SCOPED_TRACE(i);
      const UINT nID = c.boxes[i].nID;
      EXPECT_EQ(nID, boxes[i + 1].nIDPrompt);
      EXPECT_EQ(UINT(MB_OK | IconOf(nID)), boxes[i + 1].uType);
      const std::string strExpected =
          IconOf(nID) == MB_ICONINFORMATION
              ? LoadResString(nID)
              : AfxFormatString(nID, static_cast<int>(c.boxes[i].dwError));
      EXPECT_EQ(strExpected, boxes[i + 1].strText);
    }
    EXPECT_EQ(c.bRestart ? 1u : 0u, Restarts());
    QuorrelApp().m_nBusyCount = 0;
  }
}

TEST_F(MacDatabaseRepairTest, UsesTheFixedSettings) {
  RepairMacDatabase();
  ASSERT_EQ(kFullRun, m_log);
  EXPECT_EQ(std::vector<DWORD>{0xF003F}, m_services.m_managerAccess);
  ASSERT_EQ(1u, m_services.m_creates.size());
  const auto& create = m_services.m_creates[0];
  EXPECT_EQ("Quorrel", create.strName);
  EXPECT_EQ("Quorrel", create.strDisplayName);
  EXPECT_EQ("C:\\Tools\\quorrel.sys", create.strImagePath);
  EXPECT_EQ(0xF01FFu, create.dwAccess);
  EXPECT_EQ(1u, create.dwServiceType);
  EXPECT_EQ(3u, create.dwStartType);
  EXPECT_EQ(1u, create.dwErrorControl);
  ASSERT_EQ(1u, m_device.m_opens.size());
  const auto& open = m_device.m_opens[0];
  EXPECT_EQ("\\\\.\\Quorrel", open.strName);
  EXPECT_EQ(DWORD(GENERIC_READ | GENERIC_WRITE), open.dwAccess);
  EXPECT_EQ(0u, open.dwShareMode);
  EXPECT_EQ(DWORD(OPEN_EXISTING), open.dwCreation);
  EXPECT_EQ(DWORD(FILE_ATTRIBUTE_NORMAL), open.dwAttributes);
  ASSERT_EQ(1u, m_device.m_requests.size());
  const auto& request = m_device.m_requests[0];
  EXPECT_EQ(0x22200Cu, request.dwCode);
  EXPECT_EQ(nullptr, request.pIn);
  EXPECT_EQ(0u, request.cbIn);
  EXPECT_EQ(4u, request.cbOut);
  EXPECT_TRUE(request.bBytesReturned);
  EXPECT_EQ(std::vector<DWORD>{SERVICE_CONTROL_STOP}, m_services.m_controls);
  EXPECT_EQ(0u, m_services.OpenHandleCount());
  EXPECT_TRUE(m_services.m_services.empty());
  EXPECT_EQ(0u, m_device.m_nOpenHandles);
}

TEST_F(MacDatabaseRepairTest, ReusedServiceIsOpenedByNameWithFullAccess) {
  m_services.m_services["Quorrel"];
  RepairMacDatabase();
  EXPECT_EQ(std::vector<std::string>{"Quorrel"}, m_services.m_openedNames);
  EXPECT_EQ(std::vector<DWORD>{0xF01FF}, m_services.m_openedAccess);
  EXPECT_EQ(0u, m_services.OpenHandleCount());
  EXPECT_TRUE(m_services.m_services.empty());
}

TEST_F(MacDatabaseRepairTest, NonAdministratorSeesOnlyTheRefusal) {
  m_platform.SetAdministrator(false);
  RepairMacDatabase();
  ASSERT_EQ(1u, m_platform.m_user.m_boxes.size());
  EXPECT_EQ(IDS_NOT_ADMINISTRATOR, m_platform.m_user.m_boxes[0].nIDPrompt);
  EXPECT_EQ(UINT(MB_OK | MB_ICONSTOP), m_platform.m_user.m_boxes[0].uType);
  EXPECT_TRUE(m_log.empty());
}

TEST_F(MacDatabaseRepairTest, NoToTheConfirmationChangesNothing) {
  m_platform.m_user.m_answers = {IDNO};
  RepairMacDatabase();
  ASSERT_EQ(1u, m_platform.m_user.m_boxes.size());
  EXPECT_EQ(IDS_MAC_REPAIR_CONFIRM, m_platform.m_user.m_boxes[0].nIDPrompt);
  EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION),
            m_platform.m_user.m_boxes[0].uType);
  EXPECT_TRUE(m_log.empty());
  EXPECT_EQ(0u, Restarts());
}

TEST(RepairDriverImagePathTest, LastThreeCharactersBecomeSys) {
  struct {
    const char* pszModule;
    const char* pszImage;
  } cases[] = {
      {"C:\\Tools\\quorrel.exe", "C:\\Tools\\quorrel.sys"},
      {"C:\\TOOLS\\QUORREL.EXE", "C:\\TOOLS\\QUORREL.sys"},
      {"Z:\\opt\\quorrel", "Z:\\opt\\quorsys"},
      {"C:\\a.com", "C:\\a.sys"},
      {"exe", "sys"},
      {"ab", "sys"},
      {"", "sys"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszModule);
    EXPECT_EQ(c.pszImage, RepairDriverImagePath(c.pszModule));
  }
}
}  // namespace
