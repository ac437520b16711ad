// The registry port over advapi32. Every key is opened and created with full
// access; keys are created non-volatile with an empty class string and
// default security.
#pragma once

#include "../Registry.h"

class CWin32Registry : public IRegistry {
 public:
  LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, HKEY* phkResult,
                       DWORD* pdwDisposition) override;
  LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey, HKEY* phkResult) override;
  LONG RegCloseKey(HKEY hKey) override;
  LONG RegFlushKey(HKEY hKey) override;
  LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpType,
                        BYTE* lpData, DWORD* lpcbData) override;
  LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD dwType,
                      const BYTE* lpData, DWORD cbData) override;
  LONG RegDeleteValueA(HKEY hKey, const char* lpValueName) override;
  LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey) override;
  LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, char* lpName,
                     DWORD* lpcchName) override;
  LONG RegQueryInfoKeyA(HKEY hKey, char* lpClass, DWORD* lpcchClass,
                        DWORD* lpcSubKeys, DWORD* lpcValues) override;
  LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, char* lpValueName,
                     DWORD* lpcchValueName, DWORD* lpType, BYTE* lpData,
                     DWORD* lpcbData) override;
};
