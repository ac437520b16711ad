// The service control manager on the host, with Windows semantics. Each
// service's configuration is its key under HKLM
// "System\CurrentControlSet\Services\<name>", read and written through the
// registry port as Windows keeps it (Type, Start, ErrorControl, ImagePath,
// DisplayName; DeleteFlag once marked for deletion); a key counts as a
// service when it has a REG_DWORD "Type". The run state lives in the
// machine directory (CHostServiceState), so that it outlasts a process.
//
// Starting a service checks that its image file exists (Windows paths
// resolved in the machine directory, see HostPath.h), else
// ERROR_FILE_NOT_FOUND; the host's stand-in drivers (HostDrivers.h) are
// loaded while their service runs. Stopping is immediate. A service marked
// for deletion goes when it is stopped and no handle to it is open in this
// process; one left behind by an earlier process goes at the next
// OpenSCManagerA once it is stopped. A running service whose key was
// deleted stays known until it stops, as in Windows' boot-time database.
#pragma once

#include <map>
#include <string>

#include "HostServiceState.h"
#include "platform/Registry.h"
#include "platform/ServiceManager.h"

class CHostServiceManager : public IServiceManager {
 public:
  CHostServiceManager(IRegistry& registry, const std::string& strMachine);
  // Closes the handles still open, as the end of a process does.
  ~CHostServiceManager() override;
  CHostServiceManager(const CHostServiceManager&) = delete;
  CHostServiceManager& operator=(const CHostServiceManager&) = delete;

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

  size_t OpenHandleCount() const { return m_handles.size(); }
  CHostServiceState& State() { return m_state; }

 private:
  struct CHandle {
    bool bManager = false;
    DWORD dwAccess = 0;
    std::string strService;
    DWORD dwServiceType = 0;
  };

  SC_HANDLE NewHandle(const CHandle& handle);
  // The service handle behind hService with the access asked for; null with
  // the last error set otherwise.
  const CHandle* ServiceHandle(SC_HANDLE hService, DWORD dwAccess);
  const CHandle* ManagerHandle(SC_HANDLE hSCManager, DWORD dwAccess);
  bool IsHeld(const std::string& strService) const;
  bool IsRunningWithoutKey(const std::string& strService, DWORD* pdwType) const;
  DWORD CheckImage(const std::string& strService, DWORD dwServiceType) const;
  DWORD FillStatus(const CHandle& handle, SERVICE_STATUS* pStatus) const;
  DWORD WriteServiceKey(const std::string& strService,
                        const std::string& strDisplayName, DWORD dwServiceType,
                        DWORD dwStartType, DWORD dwErrorControl,
                        const std::string& strImagePath);
  // Removes a service marked for deletion once it is stopped and no handle
  // of this process holds it.
  void DeleteIfDue(const std::string& strService);
  void SweepMarkedServices();

  IRegistry& m_registry;
  CHostServiceState m_state;
  std::string m_strMachine;
  std::map<SC_HANDLE, CHandle> m_handles;
  uintptr_t m_nNextHandle = 0x5C00;
};
