// The service control manager (advapi32), with the semantics of the
// functions of the same names. Null handles or FALSE on failure, with the
// thread's last error set (ERROR_SERVICE_EXISTS, ERROR_SERVICE_ALREADY_RUNNING
// ...). Load order group, tag, dependencies, account and password are always
// null in this program and are not part of the port.
#pragma once

#include "WinTypes.h"

class IServiceManager {
 public:
  virtual ~IServiceManager() = default;
  virtual SC_HANDLE OpenSCManagerA(const char* lpMachineName,
                                   const char* lpDatabaseName,
                                   DWORD dwDesiredAccess) = 0;
  virtual SC_HANDLE CreateServiceA(SC_HANDLE hSCManager,
                                   const char* lpServiceName,
                                   const char* lpDisplayName,
                                   DWORD dwDesiredAccess, DWORD dwServiceType,
                                   DWORD dwStartType, DWORD dwErrorControl,
                                   const char* lpBinaryPathName) = 0;
  virtual SC_HANDLE OpenServiceA(SC_HANDLE hSCManager,
                                 const char* lpServiceName,
                                 DWORD dwDesiredAccess) = 0;
  virtual BOOL StartServiceA(SC_HANDLE hService, DWORD dwNumServiceArgs,
                             const char** lpServiceArgVectors) = 0;
  virtual BOOL ControlService(SC_HANDLE hService, DWORD dwControl,
                              SERVICE_STATUS* lpServiceStatus) = 0;
  virtual BOOL QueryServiceStatus(SC_HANDLE hService,
                                  SERVICE_STATUS* lpServiceStatus) = 0;
  // Marks the service for deletion; it goes when it has stopped and its
  // last handle is closed.
  virtual BOOL DeleteService(SC_HANDLE hService) = 0;
  virtual BOOL CloseServiceHandle(SC_HANDLE hSCObject) = 0;
};
