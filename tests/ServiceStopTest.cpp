#include <gtest/gtest.h>

#include "clear/ServiceStop.h"
#include "support/FileTestPlatform.h"

namespace {
typedef std::vector<std::string> CCalls;

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
  EXPECT_EQ((CCalls{"OpenSCManager", "OpenService Trevant", "Query", "Stop",
                    "Query", "Query", "Query", "CloseService", "CloseManager"}),
            Services().m_calls);
  EXPECT_EQ(static_cast<DWORD>(SC_MANAGER_CONNECT),
            Services().m_dwManagerAccess);
  EXPECT_EQ(static_cast<DWORD>(SERVICE_QUERY_STATUS | SERVICE_STOP),
            Services().m_dwServiceAccess);
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
    bool bFailControl;
    bool bInstalled;
    bool bFailManager;
    CCalls calls;
  } cases[] = {
      {"stopped",
       SERVICE_STOPPED,
       SERVICE_ACCEPT_STOP,
       false,
       true,
       false,
       {"OpenSCManager", "OpenService Trevant", "Query", "CloseService",
        "CloseManager"}},
      {"stopping",
       SERVICE_STOP_PENDING,
       SERVICE_ACCEPT_STOP,
       false,
       true,
       false,
       {"OpenSCManager", "OpenService Trevant", "Query", "CloseService",
        "CloseManager"}},
      {"refuses the stop control",
       SERVICE_RUNNING,
       0,
       false,
       true,
       false,
       {"OpenSCManager", "OpenService Trevant", "Query", "CloseService",
        "CloseManager"}},
      {"stop control fails",
       SERVICE_RUNNING,
       SERVICE_ACCEPT_STOP,
       true,
       true,
       false,
       {"OpenSCManager", "OpenService Trevant", "Query", "Stop", "CloseService",
        "CloseManager"}},
      {"not installed",
       0,
       0,
       false,
       false,
       false,
       {"OpenSCManager", "OpenService Trevant", "CloseManager"}},
      {"no service manager", 0, 0, false, true, true, {"OpenSCManager"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszWhat);
    Services().m_calls.clear();
    Services().m_services.clear();
    Services().m_bFailOpenManager = c.bFailManager;
    if (c.bInstalled) {
      Trevant().dwState = c.dwState;
      Trevant().dwControlsAccepted = c.dwControls;
      Trevant().bFailControl = c.bFailControl;
    }
    StopServiceAndWait("Trevant");
    EXPECT_EQ(c.calls, Services().m_calls);
    EXPECT_TRUE(Sleeps().empty());
    EXPECT_EQ(0u, Services().OpenHandleCount());
  }
}
}  // namespace
