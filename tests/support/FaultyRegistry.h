// An in-memory registry that refuses chosen writes, as a registry that is
// full, read-only or denied to the user would.
#pragma once

#include <set>
#include <string>

#include "platform/memory/MemoryRegistry.h"

class CFaultyRegistry : public CMemoryRegistry {
 public:
  // Value names whose writes fail with m_lError.
  std::set<std::string> m_failValues;
  // Key creations whose path contains this text fail.
  std::string m_strFailCreate;
  LONG m_lError = ERROR_ACCESS_DENIED;
  // Non-zero: every key and value deletion fails with it.
  LONG m_lDeleteError = 0;

  LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey) override {
    if (m_lDeleteError != 0) return m_lDeleteError;
    return CMemoryRegistry::RegDeleteKeyA(hKey, lpSubKey);
  }
  LONG RegDeleteValueA(HKEY hKey, const char* lpValueName) override {
    if (m_lDeleteError != 0) return m_lDeleteError;
    return CMemoryRegistry::RegDeleteValueA(hKey, lpValueName);
  }
  // What RegFlushKey answers: a store that cannot store the changes.
  LONG m_lFlushError = ERROR_SUCCESS;

  LONG RegFlushKey(HKEY hKey) override {
    if (m_lFlushError != ERROR_SUCCESS) return m_lFlushError;
    return CMemoryRegistry::RegFlushKey(hKey);
  }

  LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD dwType,
                      const BYTE* lpData, DWORD cbData) override {
    if (lpValueName && m_failValues.count(lpValueName)) return m_lError;
    return CMemoryRegistry::RegSetValueExA(hKey, lpValueName, dwType, lpData,
                                           cbData);
  }
  LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, HKEY* phkResult,
                       DWORD* pdwDisposition) override {
    if (!m_strFailCreate.empty() && lpSubKey &&
        std::string(lpSubKey).find(m_strFailCreate) != std::string::npos)
      return m_lError;
    return CMemoryRegistry::RegCreateKeyExA(hKey, lpSubKey, phkResult,
                                            pdwDisposition);
  }
};
