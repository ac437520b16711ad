#include <gtest/gtest.h>

#include "platform/LastError.h"
#include "platform/QuorrelControl.h"
#include "platform/host/services/HostDevice.h"
#include "platform/host/services/HostMacDatabase.h"
#include "platform/host/services/HostServiceManager.h"
#include "support/ScratchDirectory.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
constexpr DWORD kReadWrite = GENERIC_READ | GENERIC_WRITE;

class HostDeviceTest : public ::testing::Test {
 protected:
  HostDeviceTest() : m_device(m_platform.m_registry, m_machine.Path()) {}

  void LoadDriver() {
    ASSERT_EQ(DWORD(ERROR_SUCCESS),
              HostSetServiceRunning(m_machine.Path(), "Quorrel", true));
  }
  HANDLE Open(DWORD dwShare = 0) {
    return m_device.CreateFileA(kQuorrelDevicePath, kReadWrite, dwShare,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
  }
  BOOL Repair(HANDLE hDevice, DWORD* pdwResult, DWORD* pdwReturned) {
    return m_device.DeviceIoControl(hDevice, IOCTL_QUORREL_REPAIR_MAC_DATABASE,
                                    nullptr, 0, pdwResult, sizeof(DWORD),
                                    pdwReturned);
  }

  CTestPlatform m_platform;
  CScratchDirectory m_machine;
  CHostDevice m_device;
};

TEST_F(HostDeviceTest, DeviceExistsOnlyWhileTheDriverRuns) {
  SetLastError(0);
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open());
  EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
  LoadDriver();
  const char* kMissing[] = {"\\\\.\\Nonesuch", "\\\\.\\", "Quorrel",
                            "\\\\?\\Quorrel", "C:\\Quorrel"};
  for (const char* pszName : kMissing) {
    SCOPED_TRACE(pszName);
    SetLastError(0);
    EXPECT_EQ(INVALID_HANDLE_VALUE,
              m_device.CreateFileA(pszName, kReadWrite, 0, OPEN_EXISTING, 0));
    EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
  }
  HANDLE hDevice = m_device.CreateFileA("\\\\.\\QUORREL", kReadWrite, 0,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
  EXPECT_NE(INVALID_HANDLE_VALUE, hDevice);
  EXPECT_TRUE(m_device.CloseHandle(hDevice));
  EXPECT_FALSE(m_device.CloseHandle(hDevice));
  EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(HostDeviceTest, ShareModeZeroExcludesEveryOtherOpen) {
  LoadDriver();
  HANDLE hFirst = Open(0);
  ASSERT_NE(INVALID_HANDLE_VALUE, hFirst);
  SetLastError(0);
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open(0));
  EXPECT_EQ(DWORD(ERROR_SHARING_VIOLATION), GetLastError());
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open(0x3));
  EXPECT_EQ(DWORD(ERROR_SHARING_VIOLATION), GetLastError());
  EXPECT_TRUE(m_device.CloseHandle(hFirst));
  // Opens that share with each other coexist; one that doesn't is refused.
  HANDLE hShared = Open(0x3);
  ASSERT_NE(INVALID_HANDLE_VALUE, hShared);
  HANDLE hAlsoShared = Open(0x3);
  EXPECT_NE(INVALID_HANDLE_VALUE, hAlsoShared);
  EXPECT_EQ(INVALID_HANDLE_VALUE,
            m_device.CreateFileA(kQuorrelDevicePath, kReadWrite, 0x1,
                                 OPEN_EXISTING, 0));
  EXPECT_EQ(DWORD(ERROR_SHARING_VIOLATION), GetLastError());
  EXPECT_TRUE(m_device.CloseHandle(hShared));
  EXPECT_TRUE(m_device.CloseHandle(hAlsoShared));
  EXPECT_EQ(0u, m_device.OpenHandleCount());
}

TEST_F(HostDeviceTest, RepairRequestAnswersFromTheMacDatabase) {
  LoadDriver();
  ASSERT_TRUE(
      WriteRegDword(HKEY_LOCAL_MACHINE, kMacDatabaseKey, "CnfgModemAtBoot", 0));
  HANDLE hDevice = Open();
  DWORD dwResult = 0xBAD;
  DWORD dwReturned = 0;
  ASSERT_TRUE(Repair(hDevice, &dwResult, &dwReturned));
  EXPECT_EQ(1u, dwResult);  // missing: rebuilt
  EXPECT_EQ(4u, dwReturned);
  ASSERT_TRUE(Repair(hDevice, &dwResult, &dwReturned));
  EXPECT_EQ(0u, dwResult);
  EXPECT_TRUE(m_device.CloseHandle(hDevice));
}

TEST_F(HostDeviceTest, RequestFailsWithAWindowsError) {
  LoadDriver();
  HANDLE hDevice = Open();
  DWORD dwResult = 0xBAD;
  DWORD dwReturned = 7;
  SetLastError(0);
  // No resource manager key: the database can't be read.
  EXPECT_FALSE(Repair(hDevice, &dwResult, &dwReturned));
  EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_EQ(0xBADu, dwResult);
  EXPECT_EQ(0u, dwReturned);
  ASSERT_TRUE(WriteRegDword(HKEY_LOCAL_MACHINE, kMacDatabaseKey, "X", 0));
  EXPECT_FALSE(m_device.DeviceIoControl(hDevice, 0x222010, nullptr, 0,
                                        &dwResult, 4, &dwReturned));
  EXPECT_EQ(DWORD(ERROR_INVALID_FUNCTION), GetLastError());
  EXPECT_FALSE(m_device.DeviceIoControl(hDevice,
                                        IOCTL_QUORREL_REPAIR_MAC_DATABASE,
                                        nullptr, 0, &dwResult, 2, &dwReturned));
  EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_FALSE(Repair(reinterpret_cast<HANDLE>(0x42), &dwResult, &dwReturned));
  EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
  EXPECT_TRUE(m_device.CloseHandle(hDevice));
}

TEST_F(HostDeviceTest, ServiceStartLoadsTheDriverAndStopUnloadsIt) {
  CHostServiceManager scm(m_platform.m_registry, m_machine.Path());
  ASSERT_TRUE(m_machine.WriteFile("Tools/quorrel.sys"));
  SC_HANDLE hManager =
      scm.OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  SC_HANDLE hService = scm.CreateServiceA(
      hManager, kQuorrelServiceName, kQuorrelServiceName, SERVICE_ALL_ACCESS,
      SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
      "C:\\Tools\\quorrel.sys");
  ASSERT_TRUE(scm.StartServiceA(hService, 0, nullptr));
  HANDLE hDevice = Open();
  ASSERT_NE(INVALID_HANDLE_VALUE, hDevice);
  EXPECT_TRUE(m_device.CloseHandle(hDevice));
  SERVICE_STATUS status{};
  ASSERT_TRUE(scm.ControlService(hService, SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open());
  EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
}
}  // namespace
