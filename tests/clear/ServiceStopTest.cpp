#include <gtest/gtest.h>

#include "clear/ServiceStop.h"
#include "support/FileTestPlatform.h"

namespace {
typedef std::vector<std::string> CCalls;
const char kQuery[] = "QueryServiceStatus";
const char kCloseService[] = "CloseServiceHandle(service)";
const char kCloseManager[] = "CloseServiceHandle(manager)";

class ServiceStopTest : public ::testing::Test {
 protected:
  CFileTestPlatform m_test;
  CFakeServiceManager& Services() { return m_test.m_services; }
  CFakeServiceManager::CService& Trevant() {
    return m_test.m_services.m_services["Trevant"];
  }
  const std::vector<DWORD>& Sleeps() {
    return m_test.m_platform.m_clock.m_sleeps;
  }
};

TEST_F(ServiceStopTest, ARunningServiceIsStoppedAndWaitedFor) {
  Trevant().dwState = SERVICE_RUNNING;
  Trevant().nQueriesUntilStopped = 3;
  StopServiceAndWait("Trevant");
  EXPECT_EQ((CCalls{"OpenSCManager", "OpenService", kQuery, "ControlService",
                    kQuery, kQuery, kQuery, kCloseService, kCloseManager}),
            Services().m_calls);
  EXPECT_EQ(std::vector<DWORD>{SC_MANAGER_CONNECT}, Services().m_managerAccess);
  EXPECT_EQ(std::vector<std::string>{"Trevant"}, Services().m_openedNames);
  EXPECT_EQ(std::vector<DWORD>{SERVICE_QUERY_STATUS | SERVICE_STOP},
            Services().m_openedAccess);
  EXPECT_EQ(std::vector<DWORD>{SERVICE_CONTROL_STOP}, Services().m_controls);
  EXPECT_EQ((std::vector<DWORD>{500, 500, 500}), Sleeps());
  EXPECT_EQ(3, m_test.m_platform.m_user.m_nDispatches);
  EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), Trevant().dwState);
}

TEST_F(ServiceStopTest, TheWaitEndsAfterThirtySeconds) {
  Trevant().dwState = SERVICE_RUNNING;
  Trevant().nQueriesUntilStopped = -1;
  StopServiceAndWait("Trevant");
  EXPECT_EQ(std::vector<DWORD>(60, 500), Sleeps());
  EXPECT_EQ(60, m_test.m_platform.m_user.m_nDispatches);
  EXPECT_EQ(0u, Services().OpenHandleCount());
}

TEST_F(ServiceStopTest, AFailingQueryEndsTheWait) {
  Trevant().dwState = SERVICE_RUNNING;
  Trevant().nQueriesUntilStopped = -1;
  Trevant().bFailQueryWhileStopping = true;
  StopServiceAndWait("Trevant");
  EXPECT_EQ(std::vector<DWORD>(1, 500), Sleeps());
  EXPECT_EQ(0u, Services().OpenHandleCount());
}

TEST_F(ServiceStopTest, NothingIsWaitedForWhenThereIsNothingToStop) {
  struct {
    const char* pszWhat;
    DWORD dwState;
    DWORD dwControls;
    DWORD dwControlError;
    bool bInstalled;
    bool bFailManager;
    CCalls calls;
  } cases[] = {
      {"stopped",
       SERVICE_STOPPED,
       SERVICE_ACCEPT_STOP,
       0,
       true,
       false,
       {"OpenSCManager", "OpenService", kQuery, kCloseService, kCloseManager}},
      {"stopping",
       SERVICE_STOP_PENDING,
       SERVICE_ACCEPT_STOP,
       0,
       true,
       false,
       {"OpenSCManager", "OpenService", kQuery, kCloseService, kCloseManager}},
      {"refuses the stop control",
       SERVICE_RUNNING,
       0,
       0,
       true,
       false,
       {"OpenSCManager", "OpenService", kQuery, kCloseService, kCloseManager}},
      {"stop control fails",
       SERVICE_RUNNING,
       SERVICE_ACCEPT_STOP,
       ERROR_SERVICE_CANNOT_ACCEPT_CTRL,
       true,
       false,
       {"OpenSCManager", "OpenService", kQuery, "ControlService", kCloseService,
        kCloseManager}},
      {"not installed",
       0,
       0,
       0,
       false,
       false,
       {"OpenSCManager", "OpenService", kCloseManager}},
      {"no service manager", 0, 0, 0, true, true, {"OpenSCManager"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszWhat);
    Services().m_calls.clear();
    Services().m_services.clear();
    Services().m_failures = {{"OpenSCManager", c.bFailManager ? 5 : 0},
                             {"ControlService", c.dwControlError}};
    if (c.bInstalled) {
      Trevant().dwState = c.dwState;
      Trevant().dwControlsAccepted = c.dwControls;
    }
    StopServiceAndWait("Trevant");
    EXPECT_EQ(c.calls, Services().m_calls);
    EXPECT_TRUE(Sleeps().empty());
    EXPECT_EQ(0u, Services().OpenHandleCount());
  }
}
}  // namespace
