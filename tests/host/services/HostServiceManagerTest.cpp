#include <gtest/gtest.h>

#include <memory>

#include "platform/LastError.h"
#include "platform/host/services/HostServiceManager.h"
#include "platform/memory/MemoryRegistry.h"
#include "support/ScratchDirectory.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
const char kQuorrelKey[] = "System\\CurrentControlSet\\Services\\Quorrel";

class HostServiceManagerTest : public ::testing::Test {
 protected:
  HostServiceManagerTest()
      : m_scm(std::make_unique<CHostServiceManager>(m_platform.m_registry,
                                                    m_machine.Path())) {}

  SC_HANDLE OpenManager() {
    return m_scm->OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  }
  SC_HANDLE CreateQuorrel(SC_HANDLE hManager,
                          const char* pszImage = "C:\\Tools\\quorrel.sys") {
    return m_scm->CreateServiceA(hManager, "Quorrel", "Quorrel",
                                 SERVICE_ALL_ACCESS, SERVICE_KERNEL_DRIVER,
                                 SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                                 pszImage);
  }
  // A second process on the same machine.
  void Restart() {
    m_scm.reset();
    m_scm = std::make_unique<CHostServiceManager>(m_platform.m_registry,
                                                  m_machine.Path());
  }
  bool KeyExists(const std::string& strPath) {
    HKEY hKey = nullptr;
    if (!OpenRegKey(HKEY_LOCAL_MACHINE, strPath, &hKey)) return false;
    m_platform.m_registry.RegCloseKey(hKey);
    return true;
  }
  DWORD State(SC_HANDLE hService) {
    SERVICE_STATUS status{};
    EXPECT_TRUE(m_scm->QueryServiceStatus(hService, &status));
    return status.dwCurrentState;
  }

  CTestPlatform m_platform;
  CScratchDirectory m_machine;
  std::unique_ptr<CHostServiceManager> m_scm;
};

TEST_F(HostServiceManagerTest, CreateWritesTheServiceKeyAsWindowsDoes) {
  SC_HANDLE hManager = OpenManager();
  ASSERT_NE(nullptr, hManager);
  SC_HANDLE hService = CreateQuorrel(hManager);
  ASSERT_NE(nullptr, hService);
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE, kQuorrelKey, "Type"));
  EXPECT_EQ(3u, ReadRegDword(HKEY_LOCAL_MACHINE, kQuorrelKey, "Start"));
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE, kQuorrelKey, "ErrorControl"));
  std::string strText;
  ReadRegString(HKEY_LOCAL_MACHINE, kQuorrelKey, "DisplayName", &strText);
  EXPECT_EQ("Quorrel", strText);
  HKEY hKey = nullptr;
  ASSERT_TRUE(OpenRegKey(HKEY_LOCAL_MACHINE, kQuorrelKey, &hKey));
  DWORD dwType = 0;
  BYTE data[64];
  DWORD cbData = sizeof(data);
  ASSERT_EQ(ERROR_SUCCESS, m_platform.m_registry.RegQueryValueExA(
                               hKey, "ImagePath", &dwType, data, &cbData));
  m_platform.m_registry.RegCloseKey(hKey);
  EXPECT_EQ(DWORD(REG_EXPAND_SZ), dwType);
  EXPECT_STREQ("C:\\Tools\\quorrel.sys", reinterpret_cast<char*>(data));
  EXPECT_EQ(DWORD(SERVICE_STOPPED), State(hService));
  EXPECT_TRUE(m_scm->CloseServiceHandle(hService));
  EXPECT_TRUE(m_scm->CloseServiceHandle(hManager));
  EXPECT_EQ(0u, m_platform.m_registry.OpenHandleCount());
}

TEST_F(HostServiceManagerTest, ExistingAndMissingNamesGiveTheirErrors) {
  SC_HANDLE hManager = OpenManager();
  SC_HANDLE hFirst = CreateQuorrel(hManager);
  ASSERT_NE(nullptr, hFirst);
  SetLastError(0);
  EXPECT_EQ(nullptr, m_scm->CreateServiceA(
                         hManager, "QUORREL", nullptr, SERVICE_ALL_ACCESS,
                         SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START,
                         SERVICE_ERROR_NORMAL, "C:\\other.sys"));
  EXPECT_EQ(DWORD(ERROR_SERVICE_EXISTS), GetLastError());
  std::string strImage;
  ReadRegString(HKEY_LOCAL_MACHINE, kQuorrelKey, "ImagePath", &strImage);
  EXPECT_EQ("C:\\Tools\\quorrel.sys", strImage);  // left unchanged

  EXPECT_EQ(nullptr,
            m_scm->OpenServiceA(hManager, "Nonesuch", SERVICE_ALL_ACCESS));
  EXPECT_EQ(DWORD(ERROR_SERVICE_DOES_NOT_EXIST), GetLastError());
  SC_HANDLE hSecond =
      m_scm->OpenServiceA(hManager, "quorrel", SERVICE_ALL_ACCESS);
  EXPECT_NE(nullptr, hSecond);
  EXPECT_NE(hFirst, hSecond);

  // A key without a service type is not a service.
  ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE,
                            "System\\CurrentControlSet\\Services\\Bare",
                            "Start", 3));
  EXPECT_EQ(nullptr, m_scm->OpenServiceA(hManager, "Bare", SERVICE_ALL_ACCESS));
  EXPECT_EQ(DWORD(ERROR_SERVICE_DOES_NOT_EXIST), GetLastError());
}

TEST_F(HostServiceManagerTest, RefusesWhatWindowsRefuses) {
  SC_HANDLE hManager = OpenManager();
  struct {
    const char* pszName;
    DWORD dwType, dwStart;
    const char* pszImage;
    DWORD dwError;
  } cases[] = {
      {"", 1, 3, "x.sys", ERROR_INVALID_NAME},
      {"A\\B", 1, 3, "x.sys", ERROR_INVALID_NAME},
      {"Good", 1, 3, nullptr, ERROR_INVALID_PARAMETER},
      {"Good", 7, 3, "x.sys", ERROR_INVALID_PARAMETER},
      {"Good", 1, 5, "x.sys", ERROR_INVALID_PARAMETER},
      {"Good", SERVICE_WIN32_OWN_PROCESS, SERVICE_BOOT_START, "x.exe",
       ERROR_INVALID_PARAMETER},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszName);
    SetLastError(0);
    EXPECT_EQ(nullptr, m_scm->CreateServiceA(hManager, c.pszName, nullptr,
                                             SERVICE_ALL_ACCESS, c.dwType,
                                             c.dwStart, 1, c.pszImage));
    EXPECT_EQ(c.dwError, GetLastError());
  }
  EXPECT_FALSE(KeyExists("System\\CurrentControlSet\\Services\\Good"));

  EXPECT_EQ(nullptr, m_scm->OpenSCManagerA("\\\\elsewhere", nullptr,
                                           SC_MANAGER_ALL_ACCESS));
  EXPECT_EQ(nullptr,
            m_scm->OpenSCManagerA(nullptr, "Bogus", SC_MANAGER_ALL_ACCESS));
  EXPECT_EQ(DWORD(ERROR_DATABASE_DOES_NOT_EXIST), GetLastError());
  EXPECT_NE(nullptr,
            m_scm->OpenSCManagerA("", "ServicesActive", SC_MANAGER_CONNECT));

  SC_HANDLE hConnectOnly =
      m_scm->OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
  EXPECT_EQ(nullptr, CreateQuorrel(hConnectOnly));
  EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), GetLastError());

  SC_HANDLE hService = CreateQuorrel(hManager);
  SC_HANDLE hQueryOnly =
      m_scm->OpenServiceA(hManager, "Quorrel", SERVICE_QUERY_STATUS);
  EXPECT_FALSE(m_scm->StartServiceA(hQueryOnly, 0, nullptr));
  EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_FALSE(m_scm->DeleteService(hQueryOnly));
  EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), GetLastError());
  // A manager handle is not a service handle, nor the other way round.
  EXPECT_FALSE(m_scm->StartServiceA(hManager, 0, nullptr));
  EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
  EXPECT_EQ(nullptr,
            m_scm->OpenServiceA(hService, "Quorrel", SERVICE_ALL_ACCESS));
  EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
  EXPECT_TRUE(m_scm->CloseServiceHandle(hService));
  EXPECT_FALSE(m_scm->CloseServiceHandle(hService));
  EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(HostServiceManagerTest, StartNeedsTheImageFile) {
  SC_HANDLE hManager = OpenManager();
  SC_HANDLE hService = CreateQuorrel(hManager);
  SetLastError(0);
  EXPECT_FALSE(m_scm->StartServiceA(hService, 0, nullptr));
  EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_EQ(DWORD(SERVICE_STOPPED), State(hService));

  ASSERT_TRUE(m_machine.WriteFile("TOOLS/Quorrel.SYS", "driver"));
  EXPECT_TRUE(m_scm->StartServiceA(hService, 0, nullptr));
  EXPECT_EQ(DWORD(SERVICE_RUNNING), State(hService));
  EXPECT_FALSE(m_scm->StartServiceA(hService, 0, nullptr));
  EXPECT_EQ(DWORD(ERROR_SERVICE_ALREADY_RUNNING), GetLastError());

  // The run state is the machine's, not the process's.
  Restart();
  hManager = OpenManager();
  hService = m_scm->OpenServiceA(hManager, "Quorrel", SERVICE_ALL_ACCESS);
  EXPECT_EQ(DWORD(SERVICE_RUNNING), State(hService));
}

TEST_F(HostServiceManagerTest, DisabledServiceDoesNotStart) {
  ASSERT_TRUE(m_machine.WriteFile("WINNT/System32/drivers/Pellin.sys"));
  SC_HANDLE hManager = OpenManager();
  SC_HANDLE hService = m_scm->CreateServiceA(
      hManager, "Pellin", nullptr, SERVICE_ALL_ACCESS, SERVICE_KERNEL_DRIVER,
      SERVICE_DISABLED, SERVICE_ERROR_NORMAL, "System32\\drivers\\Pellin.sys");
  EXPECT_FALSE(m_scm->StartServiceA(hService, 0, nullptr));
  EXPECT_EQ(DWORD(ERROR_SERVICE_DISABLED), GetLastError());
  ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE,
                            "System\\CurrentControlSet\\Services\\Pellin",
                            "Start", SERVICE_DEMAND_START));
  EXPECT_TRUE(m_scm->StartServiceA(hService, 0, nullptr));
}

TEST_F(HostServiceManagerTest, StopReportsStateAndRefusesAStoppedService) {
  ASSERT_TRUE(m_machine.WriteFile("Tools/quorrel.sys"));
  SC_HANDLE hService = CreateQuorrel(OpenManager());
  SERVICE_STATUS status{};
  SetLastError(0);
  EXPECT_FALSE(m_scm->ControlService(hService, SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(DWORD(ERROR_SERVICE_NOT_ACTIVE), GetLastError());
  EXPECT_EQ(DWORD(SERVICE_STOPPED), status.dwCurrentState);
  EXPECT_EQ(DWORD(SERVICE_KERNEL_DRIVER), status.dwServiceType);

  ASSERT_TRUE(m_scm->StartServiceA(hService, 0, nullptr));
  EXPECT_TRUE(
      m_scm->ControlService(hService, SERVICE_CONTROL_INTERROGATE, &status));
  EXPECT_EQ(DWORD(SERVICE_RUNNING), status.dwCurrentState);
  EXPECT_EQ(DWORD(SERVICE_ACCEPT_STOP), status.dwControlsAccepted);
  EXPECT_FALSE(m_scm->ControlService(hService, 2 /*pause*/, &status));
  EXPECT_EQ(DWORD(ERROR_INVALID_SERVICE_CONTROL), GetLastError());
  EXPECT_TRUE(m_scm->ControlService(hService, SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(DWORD(SERVICE_STOPPED), status.dwCurrentState);
  EXPECT_EQ(DWORD(SERVICE_STOPPED), State(hService));
}

TEST_F(HostServiceManagerTest, SeededRunningServiceIsSeenAndStopped) {
  ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE,
                            "System\\CurrentControlSet\\Services\\Trevant",
                            "Type", SERVICE_WIN32_OWN_PROCESS));
  ASSERT_TRUE(m_machine.WriteFile("services.state", "Trevant\n"));
  SC_HANDLE hService =
      m_scm->OpenServiceA(OpenManager(), "Trevant", SERVICE_ALL_ACCESS);
  ASSERT_NE(nullptr, hService);
  EXPECT_EQ(DWORD(SERVICE_RUNNING), State(hService));
  SERVICE_STATUS status{};
  EXPECT_TRUE(m_scm->ControlService(hService, SERVICE_CONTROL_STOP, &status));
  bool bRunning = true;
  EXPECT_EQ(
      DWORD(ERROR_SUCCESS),
      CHostServiceState(m_machine.Path()).IsRunning("Trevant", &bRunning));
  EXPECT_FALSE(bRunning);
}

// The suite's removal deletes the driver manager's key before it stops the
// service; Windows still knows the service then, and so must the host.
TEST_F(HostServiceManagerTest, RunningServiceOutlivesItsDeletedKey) {
  const std::string strKey = "System\\CurrentControlSet\\Services\\Trevant";
  ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, strKey, "Type",
                            SERVICE_WIN32_OWN_PROCESS));
  ASSERT_TRUE(m_machine.WriteFile("services.state", "Trevant\n"));
  ASSERT_TRUE(DeleteRegKeyTree(HKEY_LOCAL_MACHINE, strKey));
  SC_HANDLE hManager = OpenManager();
  SC_HANDLE hService =
      m_scm->OpenServiceA(hManager, "trevant", SERVICE_ALL_ACCESS);
  ASSERT_NE(nullptr, hService);
  EXPECT_EQ(DWORD(SERVICE_RUNNING), State(hService));
  SERVICE_STATUS status{};
  EXPECT_TRUE(m_scm->ControlService(hService, SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(DWORD(SERVICE_STOPPED), status.dwCurrentState);
  EXPECT_TRUE(m_scm->CloseServiceHandle(hService));
  // Stopped, it is gone with its key.
  EXPECT_EQ(nullptr,
            m_scm->OpenServiceA(hManager, "Trevant", SERVICE_ALL_ACCESS));
  EXPECT_EQ(DWORD(ERROR_SERVICE_DOES_NOT_EXIST), GetLastError());
  EXPECT_FALSE(KeyExists(strKey));
}

TEST_F(HostServiceManagerTest, DeletedServiceGoesWithItsLastHandle) {
  SC_HANDLE hManager = OpenManager();
  SC_HANDLE hService = CreateQuorrel(hManager);
  ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE,
                            std::string(kQuorrelKey) + "\\Enum", "Count", 1));
  SC_HANDLE hOther =
      m_scm->OpenServiceA(hManager, "Quorrel", SERVICE_ALL_ACCESS);
  EXPECT_TRUE(m_scm->DeleteService(hService));
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE, kQuorrelKey, "DeleteFlag"));
  EXPECT_FALSE(m_scm->DeleteService(hOther));
  EXPECT_EQ(DWORD(ERROR_SERVICE_MARKED_FOR_DELETE), GetLastError());
  EXPECT_EQ(nullptr, CreateQuorrel(hManager));
  EXPECT_EQ(DWORD(ERROR_SERVICE_MARKED_FOR_DELETE), GetLastError());
  EXPECT_TRUE(m_scm->CloseServiceHandle(hService));
  EXPECT_TRUE(KeyExists(kQuorrelKey));  // hOther still holds it
  EXPECT_TRUE(m_scm->CloseServiceHandle(hOther));
  EXPECT_FALSE(KeyExists(kQuorrelKey));
  // The name is free again.
  EXPECT_NE(nullptr, CreateQuorrel(hManager));
}

TEST_F(HostServiceManagerTest,
       RunningServiceMarkedForDeletionStaysUntilStopped) {
  ASSERT_TRUE(m_machine.WriteFile("Tools/quorrel.sys"));
  SC_HANDLE hManager = OpenManager();
  SC_HANDLE hService = CreateQuorrel(hManager);
  ASSERT_TRUE(m_scm->StartServiceA(hService, 0, nullptr));
  EXPECT_TRUE(m_scm->DeleteService(hService));
  EXPECT_TRUE(m_scm->CloseServiceHandle(hService));
  EXPECT_TRUE(KeyExists(kQuorrelKey));
  // Still reachable to be stopped; a start is refused.
  hService = m_scm->OpenServiceA(hManager, "Quorrel", SERVICE_ALL_ACCESS);
  ASSERT_NE(nullptr, hService);
  SERVICE_STATUS status{};
  EXPECT_TRUE(m_scm->ControlService(hService, SERVICE_CONTROL_STOP, &status));
  EXPECT_FALSE(m_scm->StartServiceA(hService, 0, nullptr));
  EXPECT_EQ(DWORD(ERROR_SERVICE_MARKED_FOR_DELETE), GetLastError());
  EXPECT_TRUE(m_scm->CloseServiceHandle(hService));
  EXPECT_FALSE(KeyExists(kQuorrelKey));
}

TEST_F(HostServiceManagerTest, LeftoverOfAnEarlierProcessGoesOnceStopped) {
  ASSERT_TRUE(m_machine.WriteFile("Tools/quorrel.sys"));
  SC_HANDLE hService = CreateQuorrel(OpenManager());
  ASSERT_TRUE(m_scm->StartServiceA(hService, 0, nullptr));
  ASSERT_TRUE(m_scm->DeleteService(hService));
  Restart();  // the process ended with the service still running
  EXPECT_NE(nullptr, OpenManager());
  EXPECT_TRUE(KeyExists(kQuorrelKey));
  ASSERT_EQ(DWORD(ERROR_SUCCESS),
            HostSetServiceRunning(m_machine.Path(), "Quorrel", false));
  EXPECT_NE(nullptr, OpenManager());
  EXPECT_FALSE(KeyExists(kQuorrelKey));
}

TEST_F(HostServiceManagerTest, EndOfProcessClosesHandles) {
  SC_HANDLE hService = CreateQuorrel(OpenManager());
  ASSERT_TRUE(m_scm->DeleteService(hService));
  EXPECT_EQ(2u, m_scm->OpenHandleCount());
  m_scm.reset();
  EXPECT_FALSE(KeyExists(kQuorrelKey));
  EXPECT_EQ(0u, m_platform.m_registry.OpenHandleCount());
}
}  // namespace
