// Device input and output over kernel32.
#pragma once

#include "../Device.h"

class CWin32Device : public IDevice {
 public:
  HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess,
                     DWORD dwShareMode, DWORD dwCreationDisposition,
                     DWORD dwFlagsAndAttributes) override;
  BOOL DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode, void* lpInBuffer,
                       DWORD nInBufferSize, void* lpOutBuffer,
                       DWORD nOutBufferSize, DWORD* lpBytesReturned) override;
  BOOL CloseHandle(HANDLE hObject) override;
};
