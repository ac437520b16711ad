// A device port for tests: the driver's device, opened and asked for the
// repair. Every call is logged by name ("CreateFile", "DeviceIoControl",
// "CloseHandle") in a log it may share with the service manager, and each
// can be made to fail with a chosen Windows error.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "CallLog.h"
#include "platform/Device.h"

class CScriptedDevice : public IDevice {
 public:
  explicit CScriptedDevice(CCallLog& log) : m_log(log) {}

  std::map<std::string, DWORD> m_failures;
  // What the driver writes into the output buffer.
  DWORD m_dwRepairResult = 0;
  // Written even when the request fails, as a careless driver might.
  bool m_bWriteResultOnFailure = false;

  struct COpen {
    std::string strName;
    DWORD dwAccess, dwShareMode, dwCreation, dwAttributes;
  };
  std::vector<COpen> m_opens;
  struct CRequest {
    DWORD dwCode;
    const void* pIn;
    DWORD cbIn;
    DWORD cbOut;
    bool bBytesReturned;
  };
  std::vector<CRequest> m_requests;
  size_t m_nOpenHandles = 0;

  HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess,
                     DWORD dwShareMode, DWORD dwCreationDisposition,
                     DWORD dwFlagsAndAttributes) override;
  BOOL DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode, void* lpInBuffer,
                       DWORD nInBufferSize, void* lpOutBuffer,
                       DWORD nOutBufferSize, DWORD* lpBytesReturned) override;
  BOOL CloseHandle(HANDLE hObject) override;

  static HANDLE DeviceHandle() { return reinterpret_cast<HANDLE>(0x30); }

 private:
  CCallLog& m_log;
};
