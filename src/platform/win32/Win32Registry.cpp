#include "Win32Registry.h"

namespace {
// RegCreateKeyExA takes the class as a writable string; it only reads it.
char g_szEmptyClass[] = "";
}  // namespace

LONG CWin32Registry::RegCreateKeyExA(HKEY hKey, const char* lpSubKey,
                                     HKEY* phkResult, DWORD* pdwDisposition) {
  return ::RegCreateKeyExA(hKey, lpSubKey, 0, g_szEmptyClass,
                           REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                           phkResult, pdwDisposition);
}

LONG CWin32Registry::RegOpenKeyExA(HKEY hKey, const char* lpSubKey,
                                   HKEY* phkResult) {
  return ::RegOpenKeyExA(hKey, lpSubKey, 0, KEY_ALL_ACCESS, phkResult);
}

LONG CWin32Registry::RegCloseKey(HKEY hKey) { return ::RegCloseKey(hKey); }

LONG CWin32Registry::RegFlushKey(HKEY hKey) { return ::RegFlushKey(hKey); }

LONG CWin32Registry::RegQueryValueExA(HKEY hKey, const char* lpValueName,
                                      DWORD* lpType, BYTE* lpData,
                                      DWORD* lpcbData) {
  return ::RegQueryValueExA(hKey, lpValueName, nullptr, lpType, lpData,
                            lpcbData);
}

LONG CWin32Registry::RegSetValueExA(HKEY hKey, const char* lpValueName,
                                    DWORD dwType, const BYTE* lpData,
                                    DWORD cbData) {
  return ::RegSetValueExA(hKey, lpValueName, 0, dwType, lpData, cbData);
}

LONG CWin32Registry::RegDeleteValueA(HKEY hKey, const char* lpValueName) {
  return ::RegDeleteValueA(hKey, lpValueName);
}

LONG CWin32Registry::RegDeleteKeyA(HKEY hKey, const char* lpSubKey) {
  return ::RegDeleteKeyA(hKey, lpSubKey);
}

LONG CWin32Registry::RegEnumKeyExA(HKEY hKey, DWORD dwIndex, char* lpName,
                                   DWORD* lpcchName) {
  return ::RegEnumKeyExA(hKey, dwIndex, lpName, lpcchName, nullptr, nullptr,
                         nullptr, nullptr);
}

LONG CWin32Registry::RegQueryInfoKeyA(HKEY hKey, char* lpClass,
                                      DWORD* lpcchClass, DWORD* lpcSubKeys,
                                      DWORD* lpcValues) {
  return ::RegQueryInfoKeyA(hKey, lpClass, lpcchClass, nullptr, lpcSubKeys,
                            nullptr, nullptr, lpcValues, nullptr, nullptr,
                            nullptr, nullptr);
}

LONG CWin32Registry::RegEnumValueA(HKEY hKey, DWORD dwIndex, char* lpValueName,
                                   DWORD* lpcchValueName, DWORD* lpType,
                                   BYTE* lpData, DWORD* lpcbData) {
  return ::RegEnumValueA(hKey, dwIndex, lpValueName, lpcchValueName, nullptr,
                         lpType, lpData, lpcbData);
}
