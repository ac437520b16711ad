#include "ScriptedDevice.h"

#include <cstring>

HANDLE CScriptedDevice::CreateFileA(const char* lpFileName,
                                    DWORD dwDesiredAccess, DWORD dwShareMode,
                                    DWORD dwCreationDisposition,
                                    DWORD dwFlagsAndAttributes) {
  m_opens.push_back(COpen{lpFileName ? lpFileName : "", dwDesiredAccess,
                          dwShareMode, dwCreationDisposition,
                          dwFlagsAndAttributes});
  if (!LogCall(m_log, m_failures, "CreateFile")) return INVALID_HANDLE_VALUE;
  ++m_nOpenHandles;
  return DeviceHandle();
}

BOOL CScriptedDevice::DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode,
                                      void* lpInBuffer, DWORD nInBufferSize,
                                      void* lpOutBuffer, DWORD nOutBufferSize,
                                      DWORD* lpBytesReturned) {
  if (hDevice != DeviceHandle()) m_log.push_back("(bad device handle)");
  m_requests.push_back(CRequest{dwIoControlCode, lpInBuffer, nInBufferSize,
                                nOutBufferSize, lpBytesReturned != nullptr});
  const BOOL bOk = LogCall(m_log, m_failures, "DeviceIoControl");
  if ((bOk || m_bWriteResultOnFailure) && lpOutBuffer != nullptr &&
      nOutBufferSize >= sizeof(DWORD)) {
    std::memcpy(lpOutBuffer, &m_dwRepairResult, sizeof(DWORD));
    if (lpBytesReturned != nullptr) *lpBytesReturned = sizeof(DWORD);
  }
  return bOk;
}

BOOL CScriptedDevice::CloseHandle(HANDLE hObject) {
  if (hObject != DeviceHandle()) m_log.push_back("(bad device handle)");
  if (m_nOpenHandles > 0) --m_nOpenHandles;
  return LogCall(m_log, m_failures, "CloseHandle");
}
