// A service control manager and a device port for tests: every call is
// recorded by name in one shared log, in order, and each call can be made
// to fail with a chosen Windows error. Handles are distinct non-null values.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Device.h"
#include "platform/ServiceManager.h"

// The calls of both ports, in the order made ("OpenSCManager",
// "CreateService", ..., "CreateFile", "DeviceIoControl", "CloseHandle").
typedef std::vector<std::string> CCallLog;

class CScriptedServiceManager : public IServiceManager {
 public:
  explicit CScriptedServiceManager(CCallLog* pLog) : m_pLog(pLog) {}

  // Call name -> the error it fails with; calls not listed succeed.
  std::map<std::string, DWORD> m_failures;
  // CloseServiceHandle fails only for the manager or only for the service.
  DWORD m_dwCloseManagerError = 0;
  DWORD m_dwCloseServiceError = 0;

  struct CCreate {
    std::string strName, strDisplayName, strImagePath;
    DWORD dwAccess, dwServiceType, dwStartType, dwErrorControl;
  };
  std::vector<CCreate> m_creates;
  std::vector<DWORD> m_managerAccess;
  std::vector<std::string> m_openedNames;
  std::vector<DWORD> m_openedAccess;
  std::vector<DWORD> m_controls;
  size_t m_nOpenHandles = 0;

  SC_HANDLE OpenSCManagerA(const char* lpMachineName,
                           const char* lpDatabaseName,
                           DWORD dwDesiredAccess) override;
  SC_HANDLE CreateServiceA(SC_HANDLE hSCManager, const char* lpServiceName,
                           const char* lpDisplayName, DWORD dwDesiredAccess,
                           DWORD dwServiceType, DWORD dwStartType,
                           DWORD dwErrorControl,
                           const char* lpBinaryPathName) override;
  SC_HANDLE OpenServiceA(SC_HANDLE hSCManager, const char* lpServiceName,
                         DWORD dwDesiredAccess) override;
  BOOL StartServiceA(SC_HANDLE hService, DWORD dwNumServiceArgs,
                     const char** lpServiceArgVectors) override;
  BOOL ControlService(SC_HANDLE hService, DWORD dwControl,
                      SERVICE_STATUS* lpServiceStatus) override;
  BOOL QueryServiceStatus(SC_HANDLE hService,
                          SERVICE_STATUS* lpServiceStatus) override;
  BOOL DeleteService(SC_HANDLE hService) override;
  BOOL CloseServiceHandle(SC_HANDLE hSCObject) override;

  static SC_HANDLE ManagerHandle() { return reinterpret_cast<SC_HANDLE>(0x10); }
  static SC_HANDLE ServiceHandle() { return reinterpret_cast<SC_HANDLE>(0x20); }

 private:
  // Logs the call; FALSE with the last error set when it is to fail.
  BOOL Call(const std::string& strName);

  CCallLog* m_pLog;
};

class CScriptedDevice : public IDevice {
 public:
  explicit CScriptedDevice(CCallLog* pLog) : m_pLog(pLog) {}

  std::map<std::string, DWORD> m_failures;
  // What the driver writes into the output buffer.
  DWORD m_dwRepairResult = 0;
  // Written even when the request fails, as a careless driver might.
  bool m_bWriteResultOnFailure = false;

  struct COpen {
    std::string strName;
    DWORD dwAccess, dwShareMode, dwCreation, dwAttributes;
  };
  std::vector<COpen> m_opens;
  struct CRequest {
    DWORD dwCode;
    const void* pIn;
    DWORD cbIn;
    DWORD cbOut;
    bool bBytesReturned;
  };
  std::vector<CRequest> m_requests;
  size_t m_nOpenHandles = 0;

  HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess,
                     DWORD dwShareMode, DWORD dwCreationDisposition,
                     DWORD dwFlagsAndAttributes) override;
  BOOL DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode, void* lpInBuffer,
                       DWORD nInBufferSize, void* lpOutBuffer,
                       DWORD nOutBufferSize, DWORD* lpBytesReturned) override;
  BOOL CloseHandle(HANDLE hObject) override;

  static HANDLE DeviceHandle() { return reinterpret_cast<HANDLE>(0x30); }

 private:
  BOOL Call(const std::string& strName);

  CCallLog* m_pLog;
};
