#include "FakeServiceManager.h"

#include "platform/LastError.h"

BOOL CFakeServiceManager::Call(const std::string& strName) {
  return LogCall(m_calls, m_failures, strName);
}

SC_HANDLE CFakeServiceManager::NewHandle(const std::string& strService) {
  SC_HANDLE h = reinterpret_cast<SC_HANDLE>(m_nNext++);
  m_handles[h] = strService;
  return h;
}

bool CFakeServiceManager::IsOpen(const std::string& strService) const {
  for (const auto& handle : m_handles)
    if (handle.second == strService) return true;
  return false;
}

bool CFakeServiceManager::IsManager(SC_HANDLE hManager) {
  const auto it = m_handles.find(hManager);
  if (it != m_handles.end() && it->second.empty()) return true;
  m_calls.push_back("(bad manager handle)");
  return false;
}

CFakeServiceManager::CService* CFakeServiceManager::ServiceOf(
    SC_HANDLE hService) {
  const auto it = m_handles.find(hService);
  if (it == m_handles.end() || it->second.empty()) {
    m_calls.push_back("(bad service handle)");
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return &m_services[it->second];
}

void CFakeServiceManager::Fill(const CService& service,
                               SERVICE_STATUS* pStatus) {
  *pStatus = SERVICE_STATUS{};
  pStatus->dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  pStatus->dwCurrentState = service.dwState;
  pStatus->dwControlsAccepted = service.dwControlsAccepted;
}

SC_HANDLE CFakeServiceManager::OpenSCManagerA(const char* lpMachineName,
                                              const char* lpDatabaseName,
                                              DWORD dwDesiredAccess) {
  m_managerAccess.push_back(dwDesiredAccess);
  if (lpMachineName != nullptr || lpDatabaseName != nullptr)
    m_calls.push_back("(not the local default database)");
  if (!Call("OpenSCManager")) return nullptr;
  return NewHandle("");
}

SC_HANDLE CFakeServiceManager::CreateServiceA(
    SC_HANDLE hSCManager, const char* lpServiceName, const char* lpDisplayName,
    DWORD dwDesiredAccess, DWORD dwServiceType, DWORD dwStartType,
    DWORD dwErrorControl, const char* lpBinaryPathName) {
  const std::string strName = lpServiceName ? lpServiceName : "";
  m_creates.push_back(CCreate{strName, lpDisplayName ? lpDisplayName : "",
                              lpBinaryPathName ? lpBinaryPathName : "",
                              dwDesiredAccess, dwServiceType, dwStartType,
                              dwErrorControl});
  const bool bManager = IsManager(hSCManager);
  if (!Call("CreateService")) return nullptr;
  if (!bManager) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  const auto it = m_services.find(strName);
  if (it != m_services.end()) {
    SetLastError(it->second.bMarkedForDelete ? ERROR_SERVICE_MARKED_FOR_DELETE
                                             : ERROR_SERVICE_EXISTS);
    return nullptr;
  }
  m_services[strName];
  return NewHandle(strName);
}

SC_HANDLE CFakeServiceManager::OpenServiceA(SC_HANDLE hSCManager,
                                            const char* lpServiceName,
                                            DWORD dwDesiredAccess) {
  const std::string strName = lpServiceName ? lpServiceName : "";
  m_openedNames.push_back(strName);
  m_openedAccess.push_back(dwDesiredAccess);
  const bool bManager = IsManager(hSCManager);
  if (!Call("OpenService")) return nullptr;
  if (!bManager) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (!m_services.count(strName)) {
    SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
    return nullptr;
  }
  return NewHandle(strName);
}

BOOL CFakeServiceManager::StartServiceA(SC_HANDLE hService,
                                        DWORD dwNumServiceArgs,
                                        const char** lpServiceArgVectors) {
  if (dwNumServiceArgs != 0 || lpServiceArgVectors != nullptr)
    m_calls.push_back("(start arguments)");
  CService* pService = ServiceOf(hService);
  if (!Call("StartService") || pService == nullptr) return FALSE;
  if (pService->dwState != SERVICE_STOPPED) {
    SetLastError(ERROR_SERVICE_ALREADY_RUNNING);
    return FALSE;
  }
  pService->dwState = SERVICE_RUNNING;
  return TRUE;
}

BOOL CFakeServiceManager::ControlService(SC_HANDLE hService, DWORD dwControl,
                                         SERVICE_STATUS* lpServiceStatus) {
  if (lpServiceStatus == nullptr) m_calls.push_back("(no status buffer)");
  m_controls.push_back(dwControl);
  CService* pService = ServiceOf(hService);
  if (!Call("ControlService") || pService == nullptr) return FALSE;
  if (dwControl == SERVICE_CONTROL_STOP) {
    pService->dwState = pService->nQueriesUntilStopped == 0
                            ? SERVICE_STOPPED
                            : SERVICE_STOP_PENDING;
    pService->nQueries = 0;
  }
  if (lpServiceStatus != nullptr) Fill(*pService, lpServiceStatus);
  return TRUE;
}

BOOL CFakeServiceManager::QueryServiceStatus(SC_HANDLE hService,
                                             SERVICE_STATUS* lpServiceStatus) {
  CService* pService = ServiceOf(hService);
  if (!Call("QueryServiceStatus") || pService == nullptr) return FALSE;
  if (pService->dwState == SERVICE_STOP_PENDING) {
    if (pService->bFailQueryWhileStopping) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    ++pService->nQueries;
    if (pService->nQueriesUntilStopped >= 0 &&
        pService->nQueries >= pService->nQueriesUntilStopped)
      pService->dwState = SERVICE_STOPPED;
  }
  Fill(*pService, lpServiceStatus);
  return TRUE;
}

BOOL CFakeServiceManager::DeleteService(SC_HANDLE hService) {
  CService* pService = ServiceOf(hService);
  if (!Call("DeleteService") || pService == nullptr) return FALSE;
  if (pService->bMarkedForDelete) {
    SetLastError(ERROR_SERVICE_MARKED_FOR_DELETE);
    return FALSE;
  }
  pService->bMarkedForDelete = true;
  return TRUE;
}

BOOL CFakeServiceManager::CloseServiceHandle(SC_HANDLE hSCObject) {
  const auto it = m_handles.find(hSCObject);
  if (it == m_handles.end()) {
    m_calls.push_back("(bad handle closed)");
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const std::string strService = it->second;
  const bool bManager = strService.empty();
  m_calls.push_back(bManager ? "CloseServiceHandle(manager)"
                             : "CloseServiceHandle(service)");
  m_handles.erase(it);
  if (!bManager && m_services[strService].bMarkedForDelete &&
      !IsOpen(strService))
    m_services.erase(strService);
  const DWORD dwError =
      bManager ? m_dwCloseManagerError : m_dwCloseServiceError;
  if (dwError == 0) return TRUE;
  SetLastError(dwError);
  return FALSE;
}
