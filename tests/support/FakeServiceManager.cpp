#include "FakeServiceManager.h"

#include "platform/LastError.h"

SC_HANDLE CFakeServiceManager::OpenSCManagerA(const char*, const char*,
                                              DWORD dwDesiredAccess) {
  m_calls.push_back("OpenSCManager");
  m_dwManagerAccess = dwDesiredAccess;
  if (m_bFailOpenManager) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  SC_HANDLE h = reinterpret_cast<SC_HANDLE>(m_nNext++);
  m_handles[h] = "";
  return h;
}

SC_HANDLE CFakeServiceManager::CreateServiceA(SC_HANDLE, const char*,
                                              const char*, DWORD, DWORD, DWORD,
                                              DWORD, const char*) {
  SetLastError(ERROR_ACCESS_DENIED);
  return nullptr;
}

SC_HANDLE CFakeServiceManager::OpenServiceA(SC_HANDLE hSCManager,
                                            const char* lpServiceName,
                                            DWORD dwDesiredAccess) {
  m_calls.push_back(std::string("OpenService ") + lpServiceName);
  m_dwServiceAccess = dwDesiredAccess;
  auto it = m_handles.find(hSCManager);
  if (it == m_handles.end() || !it->second.empty()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (!m_services.count(lpServiceName)) {
    SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
    return nullptr;
  }
  SC_HANDLE h = reinterpret_cast<SC_HANDLE>(m_nNext++);
  m_handles[h] = lpServiceName;
  return h;
}

BOOL CFakeServiceManager::StartServiceA(SC_HANDLE, DWORD, const char**) {
  SetLastError(ERROR_ACCESS_DENIED);
  return FALSE;
}

CFakeServiceManager::CService* CFakeServiceManager::ServiceOf(
    SC_HANDLE hService) {
  auto it = m_handles.find(hService);
  if (it == m_handles.end() || it->second.empty()) return nullptr;
  return &m_services[it->second];
}

void CFakeServiceManager::Fill(const CService& service,
                               SERVICE_STATUS* pStatus) const {
  *pStatus = SERVICE_STATUS{};
  pStatus->dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  pStatus->dwCurrentState = service.dwState;
  pStatus->dwControlsAccepted = service.dwControlsAccepted;
}

BOOL CFakeServiceManager::ControlService(SC_HANDLE hService, DWORD dwControl,
                                         SERVICE_STATUS* lpServiceStatus) {
  m_calls.push_back(dwControl == SERVICE_CONTROL_STOP ? "Stop" : "Control");
  CService* pService = ServiceOf(hService);
  if (pService == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (pService->bFailControl) {
    SetLastError(ERROR_SERVICE_CANNOT_ACCEPT_CTRL);
    return FALSE;
  }
  pService->dwState = pService->nQueriesUntilStopped == 0
                          ? SERVICE_STOPPED
                          : SERVICE_STOP_PENDING;
  pService->nQueries = 0;
  Fill(*pService, lpServiceStatus);
  return TRUE;
}

BOOL CFakeServiceManager::QueryServiceStatus(SC_HANDLE hService,
                                             SERVICE_STATUS* lpServiceStatus) {
  m_calls.push_back("Query");
  CService* pService = ServiceOf(hService);
  if (pService == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
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

BOOL CFakeServiceManager::DeleteService(SC_HANDLE) {
  SetLastError(ERROR_ACCESS_DENIED);
  return FALSE;
}

BOOL CFakeServiceManager::CloseServiceHandle(SC_HANDLE hSCObject) {
  auto it = m_handles.find(hSCObject);
  if (it == m_handles.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  m_calls.push_back(it->second.empty() ? "CloseManager" : "CloseService");
  m_handles.erase(it);
  return TRUE;
}
