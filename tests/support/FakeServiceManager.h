// A service control manager for tests: services by name with a state that
// tests set, a stop that takes a given number of status queries, and a log
// of the calls made.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/ServiceManager.h"

class CFakeServiceManager : public IServiceManager {
 public:
  struct CService {
    DWORD dwState = SERVICE_STOPPED;
    DWORD dwControlsAccepted = SERVICE_ACCEPT_STOP;
    // After the stop control: STOP_PENDING for this many queries, then
    // STOPPED; negative never stops.
    int nQueriesUntilStopped = 0;
    bool bFailControl = false;
    bool bFailQueryWhileStopping = false;
    int nQueries = 0;
  };

  std::map<std::string, CService> m_services;
  bool m_bFailOpenManager = false;
  // "OpenSCManager", "OpenService Trevant", "Query", "Stop", "CloseService",
  // "CloseManager", in order.
  std::vector<std::string> m_calls;
  DWORD m_dwManagerAccess = 0;
  DWORD m_dwServiceAccess = 0;

  size_t OpenHandleCount() const { return m_handles.size(); }

  SC_HANDLE OpenSCManagerA(const char* lpMachineName,
                           const char* lpDatabaseName,
                           DWORD dwDesiredAccess) override;
  SC_HANDLE CreateServiceA(SC_HANDLE, const char*, const char*, DWORD, DWORD,
                           DWORD, DWORD, const char*) override;
  SC_HANDLE OpenServiceA(SC_HANDLE hSCManager, const char* lpServiceName,
                         DWORD dwDesiredAccess) override;
  BOOL StartServiceA(SC_HANDLE, DWORD, const char**) override;
  BOOL ControlService(SC_HANDLE hService, DWORD dwControl,
                      SERVICE_STATUS* lpServiceStatus) override;
  BOOL QueryServiceStatus(SC_HANDLE hService,
                          SERVICE_STATUS* lpServiceStatus) override;
  BOOL DeleteService(SC_HANDLE) override;
  BOOL CloseServiceHandle(SC_HANDLE hSCObject) override;

 private:
  CService* ServiceOf(SC_HANDLE hService);
  void Fill(const CService& service, SERVICE_STATUS* pStatus) const;

  std::map<SC_HANDLE, std::string> m_handles;  // "" for the manager
  uintptr_t m_nNext = 0x700;
};
