// Device input and output (kernel32): opening a device by its name in the
// Windows device namespace ("\\.\Name") and sending it control requests.
#pragma once

#include "WinTypes.h"

class IDevice {
 public:
  virtual ~IDevice() = default;
  // INVALID_HANDLE_VALUE on failure (ERROR_FILE_NOT_FOUND when no such device,
  // ERROR_SHARING_VIOLATION when it is open without sharing).
  virtual HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess,
                             DWORD dwShareMode, DWORD dwCreationDisposition,
                             DWORD dwFlagsAndAttributes) = 0;
  // Synchronous; no overlapped operation.
  virtual BOOL DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode,
                               void* lpInBuffer, DWORD nInBufferSize,
                               void* lpOutBuffer, DWORD nOutBufferSize,
                               DWORD* lpBytesReturned) = 0;
  virtual BOOL CloseHandle(HANDLE hObject) = 0;
};
