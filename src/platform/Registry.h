// Registry primitives, with the semantics of the advapi32 functions of the
// same names. Every call returns a Windows error code (ERROR_SUCCESS = 0).
#pragma once

#include "WinTypes.h"

class IRegistry {
 public:
  virtual ~IRegistry() = default;

  // Creates the key and every missing key on the path, or opens it; full
  // access, non-volatile, empty class. pdwDisposition may be null.
  virtual LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, HKEY* phkResult,
                               DWORD* pdwDisposition) = 0;
  // Opens an existing key; ERROR_FILE_NOT_FOUND when any key on the path is
  // missing. An empty or null path opens a new handle to hKey itself.
  virtual LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey,
                             HKEY* phkResult) = 0;
  virtual LONG RegCloseKey(HKEY hKey) = 0;
  // Returns only when the key's changes are on stable storage.
  virtual LONG RegFlushKey(HKEY hKey) = 0;
  // With lpData null, reports type and size. With a buffer too small for the
  // data, fails with ERROR_MORE_DATA and sets *lpcbData to the size needed;
  // the data is never truncated. ERROR_FILE_NOT_FOUND for a missing value.
  virtual LONG RegQueryValueExA(HKEY hKey, const char* lpValueName,
                                DWORD* lpType, BYTE* lpData,
                                DWORD* lpcbData) = 0;
  virtual LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD dwType,
                              const BYTE* lpData, DWORD cbData) = 0;
  virtual LONG RegDeleteValueA(HKEY hKey, const char* lpValueName) = 0;
  // Deletes one key, only when it has no subkeys (ERROR_ACCESS_DENIED
  // otherwise, as Windows NT answers).
  virtual LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey) = 0;
  // *lpcchName: in, the buffer size in characters including the terminating
  // zero; out, the name's length without it. ERROR_NO_MORE_ITEMS past the
  // last index, ERROR_MORE_DATA when the name does not fit.
  virtual LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, char* lpName,
                             DWORD* lpcchName) = 0;
  // Any out-pointer may be null. lpClass/lpcchClass receive the class name.
  virtual LONG RegQueryInfoKeyA(HKEY hKey, char* lpClass, DWORD* lpcchClass,
                                DWORD* lpcSubKeys, DWORD* lpcValues) = 0;
  // Value name at an index; ERROR_NO_MORE_ITEMS past the last. Not used by
  // the program's logic; tests and tools read whole keys with it.
  virtual LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, char* lpValueName,
                             DWORD* lpcchValueName, DWORD* lpType, BYTE* lpData,
                             DWORD* lpcbData) = 0;
};
