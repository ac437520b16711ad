// An in-memory registry that records every call made on a key under that
// key's path, so a test observes which keys were created or opened, which
// values were read or written, and that each key was flushed and closed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/memory/MemoryRegistry.h"

class CRecordingRegistry : public CMemoryRegistry {
 public:
  // Per key path (root and path as the caller spelt them, "HKLM\System\..."),
  // the calls in order: "create", "open", "query NAME", "set NAME",
  // "delete NAME", "flush", "close".
  std::map<std::string, std::vector<std::string>> m_calls;

  LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, HKEY* phkResult,
                       DWORD* pdwDisposition) override {
    const LONG lResult = CMemoryRegistry::RegCreateKeyExA(
        hKey, lpSubKey, phkResult, pdwDisposition);
    return Opened(lResult, hKey, lpSubKey, *phkResult, "create");
  }
  LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey,
                     HKEY* phkResult) override {
    const LONG lResult =
        CMemoryRegistry::RegOpenKeyExA(hKey, lpSubKey, phkResult);
    return Opened(lResult, hKey, lpSubKey, *phkResult, "open");
  }
  LONG RegCloseKey(HKEY hKey) override {
    Record(hKey, "close");
    m_paths.erase(hKey);
    return CMemoryRegistry::RegCloseKey(hKey);
  }
  LONG RegFlushKey(HKEY hKey) override {
    Record(hKey, "flush");
    return CMemoryRegistry::RegFlushKey(hKey);
  }
  LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpType,
                        BYTE* lpData, DWORD* lpcbData) override {
    Record(hKey, std::string("query ") + (lpValueName ? lpValueName : ""));
    return CMemoryRegistry::RegQueryValueExA(hKey, lpValueName, lpType, lpData,
                                             lpcbData);
  }
  LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD dwType,
                      const BYTE* lpData, DWORD cbData) override {
    Record(hKey, std::string("set ") + (lpValueName ? lpValueName : ""));
    return CMemoryRegistry::RegSetValueExA(hKey, lpValueName, dwType, lpData,
                                           cbData);
  }
  LONG RegDeleteValueA(HKEY hKey, const char* lpValueName) override {
    Record(hKey, std::string("delete ") + (lpValueName ? lpValueName : ""));
    return CMemoryRegistry::RegDeleteValueA(hKey, lpValueName);
  }

 private:
  std::string PathOf(HKEY hKey) const {
    if (hKey == HKEY_LOCAL_MACHINE) return "HKLM";
    if (hKey == HKEY_USERS) return "HKU";
    if (hKey == HKEY_CURRENT_USER) return "HKCU";
    const auto it = m_paths.find(hKey);
    return it == m_paths.end() ? "?" : it->second;
  }
  void Record(HKEY hKey, const std::string& strCall) {
    m_calls[PathOf(hKey)].push_back(strCall);
  }
  LONG Opened(LONG lResult, HKEY hParent, const char* lpSubKey, HKEY hKey,
              const char* pszCall) {
    if (lResult != ERROR_SUCCESS) return lResult;
    std::string strPath = PathOf(hParent);
    if (lpSubKey && *lpSubKey) strPath += std::string("\\") + lpSubKey;
    m_paths[hKey] = strPath;
    Record(hKey, pszCall);
    return lResult;
  }

  std::map<HKEY, std::string> m_paths;
};
