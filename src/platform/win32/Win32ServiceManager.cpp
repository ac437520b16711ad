#include "Win32ServiceManager.h"

SC_HANDLE CWin32ServiceManager::OpenSCManagerA(const char* lpMachineName,
                                               const char* lpDatabaseName,
                                               DWORD dwDesiredAccess) {
  return ::OpenSCManagerA(lpMachineName, lpDatabaseName, dwDesiredAccess);
}

SC_HANDLE CWin32ServiceManager::CreateServiceA(
    SC_HANDLE hSCManager, const char* lpServiceName, const char* lpDisplayName,
    DWORD dwDesiredAccess, DWORD dwServiceType, DWORD dwStartType,
    DWORD dwErrorControl, const char* lpBinaryPathName) {
  // No load order group, tag, dependencies or account.
  return ::CreateServiceA(hSCManager, lpServiceName, lpDisplayName,
                          dwDesiredAccess, dwServiceType, dwStartType,
                          dwErrorControl, lpBinaryPathName, nullptr, nullptr,
                          nullptr, nullptr, nullptr);
}

SC_HANDLE CWin32ServiceManager::OpenServiceA(SC_HANDLE hSCManager,
                                             const char* lpServiceName,
                                             DWORD dwDesiredAccess) {
  return ::OpenServiceA(hSCManager, lpServiceName, dwDesiredAccess);
}

BOOL CWin32ServiceManager::StartServiceA(SC_HANDLE hService,
                                         DWORD dwNumServiceArgs,
                                         const char** lpServiceArgVectors) {
  return ::StartServiceA(hService, dwNumServiceArgs, lpServiceArgVectors);
}

BOOL CWin32ServiceManager::ControlService(SC_HANDLE hService, DWORD dwControl,
                                          SERVICE_STATUS* lpServiceStatus) {
  return ::ControlService(hService, dwControl, lpServiceStatus);
}

BOOL CWin32ServiceManager::QueryServiceStatus(SC_HANDLE hService,
                                              SERVICE_STATUS* lpServiceStatus) {
  return ::QueryServiceStatus(hService, lpServiceStatus);
}

BOOL CWin32ServiceManager::DeleteService(SC_HANDLE hService) {
  return ::DeleteService(hService);
}

BOOL CWin32ServiceManager::CloseServiceHandle(SC_HANDLE hSCObject) {
  return ::CloseServiceHandle(hSCObject);
}
