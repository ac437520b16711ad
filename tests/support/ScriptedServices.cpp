#include "ScriptedServices.h"

#include <cstring>

#include "platform/LastError.h"

namespace {
BOOL LogAndFail(CCallLog* pLog, const std::map<std::string, DWORD>& failures,
                const std::string& strName) {
  pLog->push_back(strName);
  const auto it = failures.find(strName);
  if (it == failures.end() || it->second == 0) return TRUE;
  SetLastError(it->second);
  return FALSE;
}
}  // namespace

BOOL CScriptedServiceManager::Call(const std::string& strName) {
  return LogAndFail(m_pLog, m_failures, strName);
}

SC_HANDLE CScriptedServiceManager::OpenSCManagerA(const char* lpMachineName,
                                                  const char* lpDatabaseName,
                                                  DWORD dwDesiredAccess) {
  m_managerAccess.push_back(dwDesiredAccess);
  if (lpMachineName != nullptr || lpDatabaseName != nullptr)
    m_pLog->push_back("(not the local default database)");
  if (!Call("OpenSCManager")) return nullptr;
  ++m_nOpenHandles;
  return ManagerHandle();
}

SC_HANDLE CScriptedServiceManager::CreateServiceA(
    SC_HANDLE hSCManager, const char* lpServiceName, const char* lpDisplayName,
    DWORD dwDesiredAccess, DWORD dwServiceType, DWORD dwStartType,
    DWORD dwErrorControl, const char* lpBinaryPathName) {
  if (hSCManager != ManagerHandle()) m_pLog->push_back("(bad manager handle)");
  m_creates.push_back(CCreate{
      lpServiceName ? lpServiceName : "", lpDisplayName ? lpDisplayName : "",
      lpBinaryPathName ? lpBinaryPathName : "", dwDesiredAccess, dwServiceType,
      dwStartType, dwErrorControl});
  if (!Call("CreateService")) return nullptr;
  ++m_nOpenHandles;
  return ServiceHandle();
}

SC_HANDLE CScriptedServiceManager::OpenServiceA(SC_HANDLE hSCManager,
                                                const char* lpServiceName,
                                                DWORD dwDesiredAccess) {
  if (hSCManager != ManagerHandle()) m_pLog->push_back("(bad manager handle)");
  m_openedNames.push_back(lpServiceName ? lpServiceName : "");
  m_openedAccess.push_back(dwDesiredAccess);
  if (!Call("OpenService")) return nullptr;
  ++m_nOpenHandles;
  return ServiceHandle();
}

BOOL CScriptedServiceManager::StartServiceA(SC_HANDLE hService,
                                            DWORD dwNumServiceArgs,
                                            const char** lpServiceArgVectors) {
  if (hService != ServiceHandle()) m_pLog->push_back("(bad service handle)");
  if (dwNumServiceArgs != 0 || lpServiceArgVectors != nullptr)
    m_pLog->push_back("(start arguments)");
  return Call("StartService");
}

BOOL CScriptedServiceManager::ControlService(SC_HANDLE hService,
                                             DWORD dwControl,
                                             SERVICE_STATUS* lpServiceStatus) {
  if (hService != ServiceHandle()) m_pLog->push_back("(bad service handle)");
  if (lpServiceStatus == nullptr) m_pLog->push_back("(no status buffer)");
  m_controls.push_back(dwControl);
  return Call("ControlService");
}

BOOL CScriptedServiceManager::QueryServiceStatus(
    SC_HANDLE /*hService*/, SERVICE_STATUS* lpServiceStatus) {
  if (lpServiceStatus != nullptr) *lpServiceStatus = SERVICE_STATUS();
  return Call("QueryServiceStatus");
}

BOOL CScriptedServiceManager::DeleteService(SC_HANDLE hService) {
  if (hService != ServiceHandle()) m_pLog->push_back("(bad service handle)");
  return Call("DeleteService");
}

BOOL CScriptedServiceManager::CloseServiceHandle(SC_HANDLE hSCObject) {
  const bool bManager = hSCObject == ManagerHandle();
  if (!bManager && hSCObject != ServiceHandle())
    m_pLog->push_back("(bad handle closed)");
  m_pLog->push_back(bManager ? "CloseServiceHandle(manager)"
                             : "CloseServiceHandle(service)");
  if (m_nOpenHandles > 0) --m_nOpenHandles;
  const DWORD dwError =
      bManager ? m_dwCloseManagerError : m_dwCloseServiceError;
  if (dwError == 0) return TRUE;
  SetLastError(dwError);
  return FALSE;
}

BOOL CScriptedDevice::Call(const std::string& strName) {
  return LogAndFail(m_pLog, m_failures, strName);
}

HANDLE CScriptedDevice::CreateFileA(const char* lpFileName,
                                    DWORD dwDesiredAccess, DWORD dwShareMode,
                                    DWORD dwCreationDisposition,
                                    DWORD dwFlagsAndAttributes) {
  m_opens.push_back(COpen{lpFileName ? lpFileName : "", dwDesiredAccess,
                          dwShareMode, dwCreationDisposition,
                          dwFlagsAndAttributes});
  if (!Call("CreateFile")) return INVALID_HANDLE_VALUE;
  ++m_nOpenHandles;
  return DeviceHandle();
}

BOOL CScriptedDevice::DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode,
                                      void* lpInBuffer, DWORD nInBufferSize,
                                      void* lpOutBuffer, DWORD nOutBufferSize,
                                      DWORD* lpBytesReturned) {
  if (hDevice != DeviceHandle()) m_pLog->push_back("(bad device handle)");
  m_requests.push_back(CRequest{dwIoControlCode, lpInBuffer, nInBufferSize,
                                nOutBufferSize, lpBytesReturned != nullptr});
  const BOOL bOk = Call("DeviceIoControl");
  if ((bOk || m_bWriteResultOnFailure) && lpOutBuffer != nullptr &&
      nOutBufferSize >= sizeof(DWORD)) {
    std::memcpy(lpOutBuffer, &m_dwRepairResult, sizeof(DWORD));
    if (lpBytesReturned != nullptr) *lpBytesReturned = sizeof(DWORD);
  }
  return bOk;
}

BOOL CScriptedDevice::CloseHandle(HANDLE hObject) {
  if (hObject != DeviceHandle()) m_pLog->push_back("(bad device handle)");
  if (m_nOpenHandles > 0) --m_nOpenHandles;
  return Call("CloseHandle");
}
