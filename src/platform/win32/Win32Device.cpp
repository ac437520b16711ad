#include "Win32Device.h"

HANDLE CWin32Device::CreateFileA(const char* lpFileName, DWORD dwDesiredAccess,
                                 DWORD dwShareMode, DWORD dwCreationDisposition,
                                 DWORD dwFlagsAndAttributes) {
  return ::CreateFileA(lpFileName, dwDesiredAccess, dwShareMode, nullptr,
                       dwCreationDisposition, dwFlagsAndAttributes, nullptr);
}

BOOL CWin32Device::DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode,
                                   void* lpInBuffer, DWORD nInBufferSize,
                                   void* lpOutBuffer, DWORD nOutBufferSize,
                                   DWORD* lpBytesReturned) {
  // Synchronous: the device is never opened for overlapped operation.
  return ::DeviceIoControl(hDevice, dwIoControlCode, lpInBuffer, nInBufferSize,
                           lpOutBuffer, nOutBufferSize, lpBytesReturned,
                           nullptr);
}

BOOL CWin32Device::CloseHandle(HANDLE hObject) {
  return ::CloseHandle(hObject);
}
