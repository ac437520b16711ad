#include "RegistryOps.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "RegKeyTree.h"
#include "ScopedHandles.h"
#include "platform/LastError.h"
#include "platform/Platform.h"

namespace {
// A failing call keeps its Windows error for GetLastError and is written to
// the debug channel, with the key or value it was about, before the
// operation answers. A key or value that isn't there is a plain answer.
BOOL Succeeded(LONG lResult, const char* pszCall, const std::string& strWhat) {
  if (lResult == ERROR_SUCCESS) return TRUE;
  SetLastError(static_cast<DWORD>(lResult));
  if (lResult != ERROR_FILE_NOT_FOUND) {
    char szLine[512];
    std::snprintf(szLine, sizeof(szLine),
                  "TESSARINE: %s %.400s failed with error %ld\n", pszCall,
                  strWhat.c_str(), static_cast<long>(lResult));
    Debug().OutputDebugStringA(szLine);
  }
  return FALSE;
}

// Sets the value, then flushes the key; both must succeed.
BOOL SetAndFlush(HKEY hKey, const std::string& strPath,
                 const std::string& strValue, DWORD dwType, const BYTE* pData,
                 DWORD cbData) {
  return Succeeded(Registry().RegSetValueExA(hKey, strValue.c_str(), dwType,
                                             pData, cbData),
                   "RegSetValueExA", strPath + "\\" + strValue) &&
         Succeeded(Registry().RegFlushKey(hKey), "RegFlushKey", strPath);
}
}  // namespace

BOOL CreateRegKey(HKEY hRoot, const std::string& strPath, HKEY* phKey) {
  return Succeeded(
      Registry().RegCreateKeyExA(hRoot, strPath.c_str(), phKey, nullptr),
      "RegCreateKeyExA", strPath);
}

BOOL OpenRegKey(HKEY hRoot, const std::string& strPath, HKEY* phKey) {
  return Succeeded(Registry().RegOpenKeyExA(hRoot, strPath.c_str(), phKey),
                   "RegOpenKeyExA", strPath);
}

BOOL DeleteRegKeyTree(HKEY hRoot, const std::string& strPath) {
  CRegTreeFailure failure;
  return Succeeded(DeleteKeyTree(Registry(), hRoot, strPath, &failure),
                   failure.pszCall, failure.strKey);
}

BOOL DeleteRegValue(HKEY hRoot, const std::string& strPath,
                    const std::string& strValue) {
  CScopedRegKey key;
  if (!OpenRegKey(hRoot, strPath, key.Receive())) return FALSE;
  return Succeeded(Registry().RegDeleteValueA(key.Get(), strValue.c_str()),
                   "RegDeleteValueA", strPath + "\\" + strValue);
}

DWORD QueryRegDword(HKEY hKey, const std::string& strValue) {
  BYTE buffer[kRegDwordBufferSize];
  DWORD dwType = REG_NONE;
  DWORD cbData = sizeof(buffer);
  if (!Succeeded(Registry().RegQueryValueExA(hKey, strValue.c_str(), &dwType,
                                             buffer, &cbData),
                 "RegQueryValueExA", strValue))
    return kRegDwordMissing;
  if (dwType != REG_DWORD || cbData < sizeof(DWORD)) return kRegDwordMissing;
  uint32_t dwData = 0;
  std::memcpy(&dwData, buffer, sizeof(dwData));
  return dwData;
}

DWORD ReadRegDword(HKEY hRoot, const std::string& strPath,
                   const std::string& strValue) {
  CScopedRegKey key;
  if (!OpenRegKey(hRoot, strPath, key.Receive())) return kRegDwordMissing;
  return QueryRegDword(key.Get(), strValue);
}

void QueryRegString(HKEY hKey, const std::string& strValue,
                    std::string* pstrResult) {
  pstrResult->clear();
  // Room for the 2048 bytes read and a zero put behind them.
  std::vector<char> buffer(kRegStringBufferSize + 1, '\0');
  DWORD dwType = REG_NONE;
  DWORD cbData = kRegStringBufferSize;
  if (!Succeeded(Registry().RegQueryValueExA(
                     hKey, strValue.c_str(), &dwType,
                     reinterpret_cast<BYTE*>(buffer.data()), &cbData),
                 "RegQueryValueExA", strValue))
    return;
  if (dwType != REG_SZ && dwType != REG_EXPAND_SZ) return;
  buffer[cbData] = '\0';
  pstrResult->assign(buffer.data());
}

void ReadRegString(HKEY hRoot, const std::string& strPath,
                   const std::string& strValue, std::string* pstrResult) {
  pstrResult->clear();
  CScopedRegKey key;
  if (!OpenRegKey(hRoot, strPath, key.Receive())) return;
  QueryRegString(key.Get(), strValue, pstrResult);
}

BOOL QueryRegBinary(HKEY hKey, const std::string& strValue, BYTE* pBuffer,
                    DWORD* pdwLength) {
  BYTE buffer[kRegBinaryBufferSize];
  DWORD dwType = REG_NONE;
  DWORD cbData = sizeof(buffer);
  if (!Succeeded(Registry().RegQueryValueExA(hKey, strValue.c_str(), &dwType,
                                             buffer, &cbData),
                 "RegQueryValueExA", strValue))
    return FALSE;
  if (dwType != REG_BINARY) return FALSE;
  const DWORD cbCopy = cbData < *pdwLength ? cbData : *pdwLength;
  if (cbCopy != 0) std::memcpy(pBuffer, buffer, cbCopy);
  *pdwLength = cbData;
  return TRUE;
}

BOOL SetRegDword(HKEY hKey, const std::string& strValue, DWORD dwData) {
  const uint32_t dwRaw = dwData;
  BYTE bytes[sizeof(dwRaw)];
  std::memcpy(bytes, &dwRaw, sizeof(bytes));
  return Succeeded(Registry().RegSetValueExA(hKey, strValue.c_str(), REG_DWORD,
                                             bytes, sizeof(bytes)),
                   "RegSetValueExA", strValue);
}

BOOL CommitRegistryChanges() {
  BOOL bCommitted = TRUE;
  for (HKEY hRoot : {HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_USER})
    if (!Succeeded(Registry().RegFlushKey(hRoot), "RegFlushKey", "(root)"))
      bCommitted = FALSE;
  return bCommitted;
}

// Create, set, flush and close, in this order, for every value: each is on
// disk before the next is written.
BOOL WriteRegDword(HKEY hRoot, const std::string& strPath,
                   const std::string& strValue, DWORD dwData) {
  CScopedRegKey key;
  if (!CreateRegKey(hRoot, strPath, key.Receive())) return FALSE;
  const uint32_t dwRaw = dwData;
  BYTE bytes[sizeof(dwRaw)];
  std::memcpy(bytes, &dwRaw, sizeof(bytes));
  return SetAndFlush(key.Get(), strPath, strValue, REG_DWORD, bytes,
                     sizeof(bytes));
}

BOOL SetRegString(HKEY hKey, const std::string& strValue,
                  const std::string& strData) {
  return Succeeded(
      Registry().RegSetValueExA(hKey, strValue.c_str(), REG_SZ,
                                reinterpret_cast<const BYTE*>(strData.c_str()),
                                static_cast<DWORD>(strData.size() + 1)),
      "RegSetValueExA", strValue);
}

BOOL WriteRegString(HKEY hRoot, const std::string& strPath,
                    const std::string& strValue, const std::string& strData) {
  CScopedRegKey key;
  if (!CreateRegKey(hRoot, strPath, key.Receive())) return FALSE;
  return SetAndFlush(key.Get(), strPath, strValue, REG_SZ,
                     reinterpret_cast<const BYTE*>(strData.c_str()),
                     static_cast<DWORD>(strData.size() + 1));
}

BOOL SetRegBinary(HKEY hKey, const std::string& strValue, const BYTE* pData,
                  DWORD cbData) {
  return Succeeded(Registry().RegSetValueExA(hKey, strValue.c_str(), REG_BINARY,
                                             pData, cbData),
                   "RegSetValueExA", strValue);
}

std::string EnumRegSubkey(HKEY hKey, DWORD dwIndex) {
  char szName[kRegEnumNameBufferSize];
  DWORD cchName = sizeof(szName);
  // The end of the list is an answer, not a failure.
  const LONG lResult =
      Registry().RegEnumKeyExA(hKey, dwIndex, szName, &cchName);
  if (lResult == ERROR_NO_MORE_ITEMS) return std::string();
  if (!Succeeded(lResult, "RegEnumKeyExA", "#" + std::to_string(dwIndex)))
    return std::string();
  return std::string(szName, cchName);
}
