// The service control manager over advapi32.
#pragma once

#include "../ServiceManager.h"

class CWin32ServiceManager : public IServiceManager {
 public:
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
};
