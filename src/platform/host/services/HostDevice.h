// Device input and output on the host: the devices of the host's stand-in
// drivers (HostDrivers.h), reachable as "\\.\<device>" while the driver's
// service runs (CHostServiceState). Opens follow Windows share access: an
// open without sharing excludes every other open of the device
// (ERROR_SHARING_VIOLATION). A device that doesn't exist, or whose driver
// isn't loaded, fails with ERROR_FILE_NOT_FOUND, as Windows answers.
#pragma once

#include <map>
#include <string>

#include "HostDrivers.h"
#include "HostServiceState.h"
#include "platform/Device.h"
#include "platform/Registry.h"

class CHostDevice : public IDevice {
 public:
  CHostDevice(IRegistry& registry, const std::string& strMachine);

  HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess,
                     DWORD dwShareMode, DWORD dwCreationDisposition,
                     DWORD dwFlagsAndAttributes) override;
  BOOL DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode, void* lpInBuffer,
                       DWORD nInBufferSize, void* lpOutBuffer,
                       DWORD nOutBufferSize, DWORD* lpBytesReturned) override;
  BOOL CloseHandle(HANDLE hObject) override;

  size_t OpenHandleCount() const { return m_opens.size(); }

 private:
  struct COpen {
    const CHostDriver* pDriver;
    DWORD dwAccess;
    DWORD dwShareMode;
  };
  bool ConflictsWithOpens(const CHostDriver* pDriver, DWORD dwAccess,
                          DWORD dwShareMode) const;

  IRegistry& m_registry;
  CHostServiceState m_state;
  std::map<HANDLE, COpen> m_opens;
  uintptr_t m_nNextHandle = 0xD100;
};
