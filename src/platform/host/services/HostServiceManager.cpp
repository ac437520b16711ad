#include "HostServiceManager.h"

#include <strings.h>
#include <sys/stat.h>

#include <vector>

#include "HostServiceKeys.h"
#include "platform/LastError.h"
#include "platform/host/files/HostPath.h"

namespace {
constexpr size_t kMaxServiceName = 256;

bool IsKernelDriver(DWORD dwServiceType) {
  return dwServiceType == SERVICE_KERNEL_DRIVER ||
         dwServiceType == SERVICE_FILE_SYSTEM_DRIVER;
}

bool IsValidServiceName(const char* pszName) {
  if (pszName == nullptr || *pszName == '\0') return false;
  const std::string strName = pszName;
  return strName.size() <= kMaxServiceName &&
         strName.find_first_of("\\/") == std::string::npos;
}

// The combinations CreateService accepts (boot and system start only for
// drivers).
bool IsValidConfiguration(DWORD dwServiceType, DWORD dwStartType,
                          DWORD dwErrorControl) {
  const bool bDriver = IsKernelDriver(dwServiceType);
  if (!bDriver && dwServiceType != SERVICE_WIN32_OWN_PROCESS &&
      dwServiceType != SERVICE_WIN32_SHARE_PROCESS)
    return false;
  if (dwStartType > SERVICE_DISABLED) return false;
  if (!bDriver && dwStartType < SERVICE_AUTO_START) return false;
  return dwErrorControl <= 3;
}

bool IsMarkedForDeletion(IRegistry& registry, const std::string& strService) {
  DWORD dwFlag = 0;
  return ReadServiceDword(registry, strService, "DeleteFlag", &dwFlag) ==
             ERROR_SUCCESS &&
         dwFlag != 0;
}

bool IsRegularFile(const std::string& strPath) {
  struct stat st;
  return !strPath.empty() && stat(strPath.c_str(), &st) == 0 &&
         S_ISREG(st.st_mode);
}

SC_HANDLE Fail(DWORD dwError) {
  SetLastError(dwError);
  return nullptr;
}

BOOL Result(DWORD dwError) {
  if (dwError == ERROR_SUCCESS) return TRUE;
  SetLastError(dwError);
  return FALSE;
}
}  // namespace

CHostServiceManager::CHostServiceManager(IRegistry& registry,
                                         const std::string& strMachine)
    : m_registry(registry), m_state(strMachine), m_strMachine(strMachine) {}

CHostServiceManager::~CHostServiceManager() {
  while (!m_handles.empty()) CloseServiceHandle(m_handles.begin()->first);
}

SC_HANDLE CHostServiceManager::NewHandle(const CHandle& handle) {
  const SC_HANDLE hNew = reinterpret_cast<SC_HANDLE>(m_nNextHandle);
  m_nNextHandle += 4;
  m_handles[hNew] = handle;
  return hNew;
}

const CHostServiceManager::CHandle* CHostServiceManager::ServiceHandle(
    SC_HANDLE hService, DWORD dwAccess) {
  const auto it = m_handles.find(hService);
  if (it == m_handles.end() || it->second.bManager) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if ((it->second.dwAccess & dwAccess) != dwAccess) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  return &it->second;
}

const CHostServiceManager::CHandle* CHostServiceManager::ManagerHandle(
    SC_HANDLE hSCManager, DWORD dwAccess) {
  const auto it = m_handles.find(hSCManager);
  if (it == m_handles.end() || !it->second.bManager) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if ((it->second.dwAccess & dwAccess) != dwAccess) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  return &it->second;
}

bool CHostServiceManager::IsHeld(const std::string& strService) const {
  for (const auto& entry : m_handles) {
    if (!entry.second.bManager &&
        strcasecmp(entry.second.strService.c_str(), strService.c_str()) == 0)
      return true;
  }
  return false;
}

SC_HANDLE CHostServiceManager::OpenSCManagerA(const char* lpMachineName,
                                              const char* lpDatabaseName,
                                              DWORD dwDesiredAccess) {
  if (lpMachineName != nullptr && *lpMachineName != '\0')
    return Fail(RPC_S_SERVER_UNAVAILABLE);  // only the local machine
  if (lpDatabaseName != nullptr &&
      strcasecmp(lpDatabaseName, "ServicesActive") != 0)
    return Fail(ERROR_DATABASE_DOES_NOT_EXIST);
  SweepMarkedServices();
  CHandle handle;
  handle.bManager = true;
  handle.dwAccess = dwDesiredAccess;
  return NewHandle(handle);
}

SC_HANDLE CHostServiceManager::CreateServiceA(
    SC_HANDLE hSCManager, const char* lpServiceName, const char* lpDisplayName,
    DWORD dwDesiredAccess, DWORD dwServiceType, DWORD dwStartType,
    DWORD dwErrorControl, const char* lpBinaryPathName) {
  if (ManagerHandle(hSCManager, SC_MANAGER_CREATE_SERVICE) == nullptr)
    return nullptr;
  if (!IsValidServiceName(lpServiceName)) return Fail(ERROR_INVALID_NAME);
  if (lpBinaryPathName == nullptr || *lpBinaryPathName == '\0' ||
      !IsValidConfiguration(dwServiceType, dwStartType, dwErrorControl))
    return Fail(ERROR_INVALID_PARAMETER);
  DWORD dwExistingType = 0;
  if (IsService(m_registry, lpServiceName, &dwExistingType)) {
    return Fail(IsMarkedForDeletion(m_registry, lpServiceName)
                    ? ERROR_SERVICE_MARKED_FOR_DELETE
                    : ERROR_SERVICE_EXISTS);
  }
  const std::string strDisplayName =
      (lpDisplayName != nullptr && *lpDisplayName != '\0') ? lpDisplayName
                                                           : lpServiceName;
  const DWORD dwError =
      WriteServiceKey(lpServiceName, strDisplayName, dwServiceType, dwStartType,
                      dwErrorControl, lpBinaryPathName);
  if (dwError != ERROR_SUCCESS) return Fail(dwError);
  CHandle handle;
  handle.dwAccess = dwDesiredAccess;
  handle.strService = lpServiceName;
  handle.dwServiceType = dwServiceType;
  return NewHandle(handle);
}

DWORD CHostServiceManager::WriteServiceKey(const std::string& strService,
                                           const std::string& strDisplayName,
                                           DWORD dwServiceType,
                                           DWORD dwStartType,
                                           DWORD dwErrorControl,
                                           const std::string& strImagePath) {
  // The values and types Windows writes for a new service.
  return WriteServiceValues(
      m_registry, strService,
      {DwordValue("Type", dwServiceType), DwordValue("Start", dwStartType),
       DwordValue("ErrorControl", dwErrorControl),
       TextValue("ImagePath", REG_EXPAND_SZ, strImagePath),
       TextValue("DisplayName", REG_SZ, strDisplayName)});
}

SC_HANDLE CHostServiceManager::OpenServiceA(SC_HANDLE hSCManager,
                                            const char* lpServiceName,
                                            DWORD dwDesiredAccess) {
  if (ManagerHandle(hSCManager, 0) == nullptr) return nullptr;
  if (!IsValidServiceName(lpServiceName)) return Fail(ERROR_INVALID_NAME);
  CHandle handle;
  if (!IsService(m_registry, lpServiceName, &handle.dwServiceType) &&
      !IsRunningWithoutKey(lpServiceName, &handle.dwServiceType))
    return Fail(ERROR_SERVICE_DOES_NOT_EXIST);
  handle.dwAccess = dwDesiredAccess;
  handle.strService = lpServiceName;
  return NewHandle(handle);
}

// Windows reads its service database from the registry at boot: a running
// service whose key has since been deleted is still known, and can be
// queried and stopped, until the machine restarts. Its type went with the
// key; the host's only such services are programs.
bool CHostServiceManager::IsRunningWithoutKey(const std::string& strService,
                                              DWORD* pdwType) const {
  bool bRunning = false;
  if (m_state.IsRunning(strService, &bRunning) != ERROR_SUCCESS || !bRunning)
    return false;
  *pdwType = SERVICE_WIN32_OWN_PROCESS;
  return true;
}

DWORD CHostServiceManager::CheckImage(const std::string& strService,
                                      DWORD dwServiceType) const {
  std::string strImagePath;
  const DWORD dwError =
      ReadServiceString(m_registry, strService, "ImagePath", &strImagePath);
  if (dwError != ERROR_SUCCESS && dwError != ERROR_FILE_NOT_FOUND)
    return dwError;
  const std::string strFile =
      ServiceImageFile(strImagePath, strService, IsKernelDriver(dwServiceType));
  return IsRegularFile(HostPathOfWindowsPath(m_strMachine, strFile))
             ? ERROR_SUCCESS
             : ERROR_FILE_NOT_FOUND;
}

BOOL CHostServiceManager::StartServiceA(SC_HANDLE hService,
                                        DWORD /*dwNumServiceArgs*/,
                                        const char** /*lpServiceArgVectors*/) {
  const CHandle* pHandle = ServiceHandle(hService, SERVICE_START);
  if (pHandle == nullptr) return FALSE;
  const std::string strService = pHandle->strService;
  DWORD dwType = 0;
  if (!IsService(m_registry, strService, &dwType))
    return Result(ERROR_SERVICE_DOES_NOT_EXIST);
  if (IsMarkedForDeletion(m_registry, strService))
    return Result(ERROR_SERVICE_MARKED_FOR_DELETE);
  bool bRunning = false;
  DWORD dwError = m_state.IsRunning(strService, &bRunning);
  if (dwError != ERROR_SUCCESS) return Result(dwError);
  if (bRunning) return Result(ERROR_SERVICE_ALREADY_RUNNING);
  DWORD dwStart = SERVICE_DEMAND_START;
  if (ReadServiceDword(m_registry, strService, "Start", &dwStart) ==
          ERROR_SUCCESS &&
      dwStart == SERVICE_DISABLED)
    return Result(ERROR_SERVICE_DISABLED);
  dwError = CheckImage(strService, dwType);
  if (dwError != ERROR_SUCCESS) return Result(dwError);
  return Result(m_state.SetRunning(strService, true));
}

DWORD CHostServiceManager::FillStatus(const CHandle& handle,
                                      SERVICE_STATUS* pStatus) const {
  bool bRunning = false;
  const DWORD dwError = m_state.IsRunning(handle.strService, &bRunning);
  if (dwError != ERROR_SUCCESS) return dwError;
  *pStatus = SERVICE_STATUS();
  pStatus->dwServiceType = handle.dwServiceType;
  pStatus->dwCurrentState = bRunning ? SERVICE_RUNNING : SERVICE_STOPPED;
  pStatus->dwControlsAccepted = bRunning ? SERVICE_ACCEPT_STOP : 0;
  return ERROR_SUCCESS;
}

BOOL CHostServiceManager::ControlService(SC_HANDLE hService, DWORD dwControl,
                                         SERVICE_STATUS* lpServiceStatus) {
  if (dwControl != SERVICE_CONTROL_STOP &&
      dwControl != SERVICE_CONTROL_INTERROGATE) {
    if (ServiceHandle(hService, 0) == nullptr) return FALSE;
    return Result(ERROR_INVALID_SERVICE_CONTROL);
  }
  const CHandle* pHandle = ServiceHandle(
      hService, dwControl == SERVICE_CONTROL_STOP ? SERVICE_STOP : 0);
  if (pHandle == nullptr) return FALSE;
  if (lpServiceStatus == nullptr) return Result(ERROR_INVALID_PARAMETER);
  DWORD dwError = FillStatus(*pHandle, lpServiceStatus);
  if (dwError != ERROR_SUCCESS) return Result(dwError);
  // Windows fills the status in for this failure too.
  if (lpServiceStatus->dwCurrentState != SERVICE_RUNNING)
    return Result(ERROR_SERVICE_NOT_ACTIVE);
  if (dwControl == SERVICE_CONTROL_INTERROGATE) return TRUE;
  dwError = m_state.SetRunning(pHandle->strService, false);
  if (dwError != ERROR_SUCCESS) return Result(dwError);
  return Result(FillStatus(*pHandle, lpServiceStatus));
}

BOOL CHostServiceManager::QueryServiceStatus(SC_HANDLE hService,
                                             SERVICE_STATUS* lpServiceStatus) {
  const CHandle* pHandle = ServiceHandle(hService, SERVICE_QUERY_STATUS);
  if (pHandle == nullptr) return FALSE;
  if (lpServiceStatus == nullptr) return Result(ERROR_INVALID_PARAMETER);
  return Result(FillStatus(*pHandle, lpServiceStatus));
}

BOOL CHostServiceManager::DeleteService(SC_HANDLE hService) {
  const CHandle* pHandle = ServiceHandle(hService, DELETE);
  if (pHandle == nullptr) return FALSE;
  DWORD dwType = 0;
  if (!IsService(m_registry, pHandle->strService, &dwType))
    return Result(ERROR_SERVICE_DOES_NOT_EXIST);
  if (IsMarkedForDeletion(m_registry, pHandle->strService))
    return Result(ERROR_SERVICE_MARKED_FOR_DELETE);
  // Windows marks the service in its key and removes the key once the
  // service has stopped and its last handle is closed.
  return Result(WriteServiceValues(m_registry, pHandle->strService,
                                   {DwordValue("DeleteFlag", 1)}));
}

BOOL CHostServiceManager::CloseServiceHandle(SC_HANDLE hSCObject) {
  const auto it = m_handles.find(hSCObject);
  if (it == m_handles.end()) return Result(ERROR_INVALID_HANDLE);
  const CHandle handle = it->second;
  m_handles.erase(it);
  if (!handle.bManager) DeleteIfDue(handle.strService);
  return TRUE;
}

void CHostServiceManager::DeleteIfDue(const std::string& strService) {
  if (IsHeld(strService) || !IsMarkedForDeletion(m_registry, strService))
    return;
  bool bRunning = true;
  if (m_state.IsRunning(strService, &bRunning) != ERROR_SUCCESS || bRunning)
    return;
  DeleteServiceKey(m_registry, strService);
}

void CHostServiceManager::SweepMarkedServices() {
  for (const std::string& strService : ServiceKeyNames(m_registry))
    DeleteIfDue(strService);
}
