// A service control manager for tests: installed services by name with a
// state that tests set and calls change (a stop can take a given number of
// status queries), distinct handles that are checked, every call logged by
// its API name in order, and any call made to fail with a chosen Windows
// error.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "CallLog.h"
#include "platform/ServiceManager.h"

class CFakeServiceManager : public IServiceManager {
 public:
  struct CService {
    DWORD dwState = SERVICE_STOPPED;
    DWORD dwControlsAccepted = SERVICE_ACCEPT_STOP;
    // After the stop control: STOP_PENDING for this many queries, then
    // STOPPED; negative never stops.
    int nQueriesUntilStopped = 0;
    bool bFailQueryWhileStopping = false;
    int nQueries = 0;
    // Deleted: the entry goes with the last handle open on it.
    bool bMarkedForDelete = false;
  };
  struct CCreate {
    std::string strName, strDisplayName, strImagePath;
    DWORD dwAccess, dwServiceType, dwStartType, dwErrorControl;
  };

  // The installed services.
  std::map<std::string, CService> m_services;
  // "OpenSCManager", "CreateService", "OpenService", "StartService",
  // "ControlService", "QueryServiceStatus", "DeleteService",
  // "CloseServiceHandle(service)", "CloseServiceHandle(manager)"; a call
  // out of the rules adds a note in brackets. A device port may log here
  // too.
  CCallLog m_calls;
  // Call name -> the error it fails with; calls not listed succeed.
  std::map<std::string, DWORD> m_failures;
  // CloseServiceHandle closes the handle but reports this error.
  DWORD m_dwCloseManagerError = 0;
  DWORD m_dwCloseServiceError = 0;

  std::vector<DWORD> m_managerAccess;
  std::vector<CCreate> m_creates;
  std::vector<std::string> m_openedNames;
  std::vector<DWORD> m_openedAccess;
  std::vector<DWORD> m_controls;

  size_t OpenHandleCount() const { return m_handles.size(); }

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

 private:
  BOOL Call(const std::string& strName);
  SC_HANDLE NewHandle(const std::string& strService);
  bool IsManager(SC_HANDLE hManager);
  bool IsOpen(const std::string& strService) const;
  // The service a handle is open on, or null (noted, last error set).
  CService* ServiceOf(SC_HANDLE hService);
  static void Fill(const CService& service, SERVICE_STATUS* pStatus);

  std::map<SC_HANDLE, std::string> m_handles;  // "" for the manager
  uintptr_t m_nNext = 0x700;
};
