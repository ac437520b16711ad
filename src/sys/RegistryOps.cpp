#include "RegistryOps.h"

#include <cstring>
#include <vector>

#include "platform/Platform.h"

BOOL CreateRegKey(HKEY hRoot, const std::string& strPath, HKEY* phKey) {
  return Registry().RegCreateKeyExA(hRoot, strPath.c_str(), phKey, nullptr) ==
         ERROR_SUCCESS;
}

BOOL OpenRegKey(HKEY hRoot, const std::string& strPath, HKEY* phKey) {
  return Registry().RegOpenKeyExA(hRoot, strPath.c_str(), phKey) ==
         ERROR_SUCCESS;
}

BOOL DeleteRegKeyTree(HKEY hRoot, const std::string& strPath) {
  HKEY hKey = nullptr;
  if (!OpenRegKey(hRoot, strPath, &hKey)) return FALSE;

  BOOL bResult = TRUE;
  char szClass[kRegTreeNameBufferSize];
  DWORD cchClass = sizeof(szClass);
  DWORD nSubkeys = 0;
  if (Registry().RegQueryInfoKeyA(hKey, szClass, &cchClass, &nSubkeys,
                                  nullptr) != ERROR_SUCCESS) {
    bResult = FALSE;
  } else {
    // From the highest index down, so that deleting a subkey never moves one
    // still to be visited. The count is taken once.
    while (nSubkeys > 0 && bResult) {
      char szName[kRegTreeNameBufferSize];
      DWORD cchName = sizeof(szName);
      if (Registry().RegEnumKeyExA(hKey, nSubkeys - 1, szName, &cchName) !=
          ERROR_SUCCESS)
        bResult = FALSE;
      else
        bResult = DeleteRegKeyTree(hKey, szName);
      --nSubkeys;
    }
  }
  Registry().RegCloseKey(hKey);

  if (bResult)
    bResult = Registry().RegDeleteKeyA(hRoot, strPath.c_str()) == ERROR_SUCCESS;
  return bResult;
}

BOOL DeleteRegValue(HKEY hRoot, const std::string& strPath,
                    const std::string& strValue) {
  HKEY hKey = nullptr;
  if (!OpenRegKey(hRoot, strPath, &hKey)) return FALSE;
  const BOOL bResult =
      Registry().RegDeleteValueA(hKey, strValue.c_str()) == ERROR_SUCCESS;
  Registry().RegCloseKey(hKey);
  return bResult;
}

DWORD QueryRegDword(HKEY hKey, const std::string& strValue) {
  BYTE buffer[kRegDwordBufferSize];
  DWORD dwType = REG_NONE;
  DWORD cbData = sizeof(buffer);
  if (Registry().RegQueryValueExA(hKey, strValue.c_str(), &dwType, buffer,
                                  &cbData) != ERROR_SUCCESS)
    return kRegDwordMissing;
  if (dwType != REG_DWORD || cbData < sizeof(DWORD)) return kRegDwordMissing;
  uint32_t dwData = 0;
  std::memcpy(&dwData, buffer, sizeof(dwData));
  return dwData;
}

DWORD ReadRegDword(HKEY hRoot, const std::string& strPath,
                   const std::string& strValue) {
  HKEY hKey = nullptr;
  if (!OpenRegKey(hRoot, strPath, &hKey)) return kRegDwordMissing;
  const DWORD dwData = QueryRegDword(hKey, strValue);
  Registry().RegCloseKey(hKey);
  return dwData;
}

void QueryRegString(HKEY hKey, const std::string& strValue,
                    std::string* pstrResult) {
  pstrResult->clear();
  // Room for the 2048 bytes read and a zero put behind them.
  std::vector<char> buffer(kRegStringBufferSize + 1, '\0');
  DWORD dwType = REG_NONE;
  DWORD cbData = kRegStringBufferSize;
  if (Registry().RegQueryValueExA(hKey, strValue.c_str(), &dwType,
                                  reinterpret_cast<BYTE*>(buffer.data()),
                                  &cbData) != ERROR_SUCCESS)
    return;
  if (dwType != REG_SZ && dwType != REG_EXPAND_SZ) return;
  buffer[cbData] = '\0';
  pstrResult->assign(buffer.data());
}

void ReadRegString(HKEY hRoot, const std::string& strPath,
                   const std::string& strValue, std::string* pstrResult) {
  pstrResult->clear();
  HKEY hKey = nullptr;
  if (!OpenRegKey(hRoot, strPath, &hKey)) return;
  QueryRegString(hKey, strValue, pstrResult);
  Registry().RegCloseKey(hKey);
}

BOOL QueryRegBinary(HKEY hKey, const std::string& strValue, BYTE* pBuffer,
                    DWORD* pdwLength) {
  BYTE buffer[kRegBinaryBufferSize];
  DWORD dwType = REG_NONE;
  DWORD cbData = sizeof(buffer);
  if (Registry().RegQueryValueExA(hKey, strValue.c_str(), &dwType, buffer,
                                  &cbData) != ERROR_SUCCESS)
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
  return Registry().RegSetValueExA(hKey, strValue.c_str(), REG_DWORD, bytes,
                                   sizeof(bytes)) == ERROR_SUCCESS;
}

BOOL CommitRegistryChanges() {
  BOOL bCommitted = TRUE;
  for (HKEY hRoot : {HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_USER})
    if (Registry().RegFlushKey(hRoot) != ERROR_SUCCESS) bCommitted = FALSE;
  return bCommitted;
}

BOOL WriteRegDword(HKEY hRoot, const std::string& strPath,
                   const std::string& strValue, DWORD dwData) {
  HKEY hKey = nullptr;
  if (!CreateRegKey(hRoot, strPath, &hKey)) return FALSE;
  const BOOL bResult = SetRegDword(hKey, strValue, dwData);
  Registry().RegFlushKey(hKey);
  Registry().RegCloseKey(hKey);
  return bResult;
}

BOOL SetRegString(HKEY hKey, const std::string& strValue,
                  const std::string& strData) {
  return Registry().RegSetValueExA(
             hKey, strValue.c_str(), REG_SZ,
             reinterpret_cast<const BYTE*>(strData.c_str()),
             static_cast<DWORD>(strData.size() + 1)) == ERROR_SUCCESS;
}

BOOL WriteRegString(HKEY hRoot, const std::string& strPath,
                    const std::string& strValue, const std::string& strData) {
  HKEY hKey = nullptr;
  if (!CreateRegKey(hRoot, strPath, &hKey)) return FALSE;
  const BOOL bResult = SetRegString(hKey, strValue, strData);
  Registry().RegFlushKey(hKey);
  Registry().RegCloseKey(hKey);
  return bResult;
}

BOOL SetRegBinary(HKEY hKey, const std::string& strValue, const BYTE* pData,
                  DWORD cbData) {
  return Registry().RegSetValueExA(hKey, strValue.c_str(), REG_BINARY, pData,
                                   cbData) == ERROR_SUCCESS;
}

std::string EnumRegSubkey(HKEY hKey, DWORD dwIndex) {
  char szName[kRegEnumNameBufferSize];
  DWORD cchName = sizeof(szName);
  if (Registry().RegEnumKeyExA(hKey, dwIndex, szName, &cchName) !=
      ERROR_SUCCESS)
    return std::string();
  return std::string(szName, cchName);
}
