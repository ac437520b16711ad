#include "HostDevice.h"

#include "platform/LastError.h"

namespace {
constexpr char kDevicePrefix[] = "\\\\.\\";
constexpr DWORD kShareRead = 0x1;   // FILE_SHARE_READ
constexpr DWORD kShareWrite = 0x2;  // FILE_SHARE_WRITE

// The share bits an open must grant for another open with this access.
DWORD ShareNeededFor(DWORD dwAccess) {
  DWORD dwNeeded = 0;
  if (dwAccess & GENERIC_READ) dwNeeded |= kShareRead;
  if (dwAccess & GENERIC_WRITE) dwNeeded |= kShareWrite;
  return dwNeeded;
}
}  // namespace

CHostDevice::CHostDevice(IRegistry& registry, const std::string& strMachine)
    : m_registry(registry), m_state(strMachine) {}

bool CHostDevice::ConflictsWithOpens(const CHostDriver* pDriver, DWORD dwAccess,
                                     DWORD dwShareMode) const {
  for (const auto& entry : m_opens) {
    const COpen& open = entry.second;
    if (open.pDriver != pDriver) continue;
    // Windows refuses an open that shares less than an existing open uses,
    // or uses more than an existing open shares; share mode 0 shares
    // nothing at all.
    if (open.dwShareMode == 0 || dwShareMode == 0) return true;
    if ((ShareNeededFor(dwAccess) & ~open.dwShareMode) != 0) return true;
    if ((ShareNeededFor(open.dwAccess) & ~dwShareMode) != 0) return true;
  }
  return false;
}

HANDLE CHostDevice::CreateFileA(const char* lpFileName, DWORD dwDesiredAccess,
                                DWORD dwShareMode,
                                DWORD /*dwCreationDisposition*/,
                                DWORD /*dwFlagsAndAttributes*/) {
  const std::string strName = lpFileName != nullptr ? lpFileName : "";
  const std::string strPrefix = kDevicePrefix;
  const CHostDriver* pDriver =
      strName.compare(0, strPrefix.size(), strPrefix) == 0
          ? FindHostDriverByDevice(strName.substr(strPrefix.size()))
          : nullptr;
  bool bLoaded = false;
  if (pDriver != nullptr) {
    const DWORD dwError = m_state.IsRunning(pDriver->pszService, &bLoaded);
    if (dwError != ERROR_SUCCESS) {
      SetLastError(dwError);
      return INVALID_HANDLE_VALUE;
    }
  }
  if (!bLoaded) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  if (ConflictsWithOpens(pDriver, dwDesiredAccess, dwShareMode)) {
    SetLastError(ERROR_SHARING_VIOLATION);
    return INVALID_HANDLE_VALUE;
  }
  const HANDLE hDevice = reinterpret_cast<HANDLE>(m_nNextHandle);
  m_nNextHandle += 4;
  m_opens[hDevice] = COpen{pDriver, dwDesiredAccess, dwShareMode};
  return hDevice;
}

BOOL CHostDevice::DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode,
                                  void* lpInBuffer, DWORD nInBufferSize,
                                  void* lpOutBuffer, DWORD nOutBufferSize,
                                  DWORD* lpBytesReturned) {
  const auto it = m_opens.find(hDevice);
  if (it == m_opens.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  DWORD dwReturned = 0;
  const DWORD dwError = it->second.pDriver->pfnControl(
      m_registry, dwIoControlCode, lpInBuffer, nInBufferSize, lpOutBuffer,
      nOutBufferSize, &dwReturned);
  if (lpBytesReturned != nullptr) *lpBytesReturned = dwReturned;
  if (dwError == ERROR_SUCCESS) return TRUE;
  SetLastError(dwError);
  return FALSE;
}

BOOL CHostDevice::CloseHandle(HANDLE hObject) {
  if (m_opens.erase(hObject) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
