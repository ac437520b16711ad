#include "StoreTestUtil.h"

#include "platform/host/regfile/RegCodePage.h"

std::string InDir(const CTempDir& dir, const std::string& strName) {
  return dir.Path() + "/" + strName;
}

bool PutValue(IRegistry& registry, HKEY hRoot, const std::string& strPath,
              const std::string& strName, DWORD dwType,
              const std::vector<BYTE>& data) {
  HKEY hKey = nullptr;
  if (registry.RegCreateKeyExA(hRoot, strPath.c_str(), &hKey, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const LONG lResult =
      registry.RegSetValueExA(hKey, strName.c_str(), dwType, data.data(),
                              static_cast<DWORD>(data.size()));
  registry.RegCloseKey(hKey);
  return lResult == ERROR_SUCCESS;
}

bool PutString(IRegistry& registry, HKEY hRoot, const std::string& strPath,
               const std::string& strName, const std::string& strText) {
  return PutValue(registry, hRoot, strPath, strName, REG_SZ, SzBytes(strText));
}

bool GetValue(IRegistry& registry, HKEY hRoot, const std::string& strPath,
              const std::string& strName, DWORD* pdwType,
              std::vector<BYTE>* pData) {
  HKEY hKey = nullptr;
  if (registry.RegOpenKeyExA(hRoot, strPath.c_str(), &hKey) != ERROR_SUCCESS)
    return false;
  DWORD cbData = 0;
  LONG lResult = registry.RegQueryValueExA(hKey, strName.c_str(), pdwType,
                                           nullptr, &cbData);
  if (lResult == ERROR_SUCCESS) {
    pData->assign(cbData, 0);
    lResult = registry.RegQueryValueExA(hKey, strName.c_str(), pdwType,
                                        pData->data(), &cbData);
  }
  registry.RegCloseKey(hKey);
  return lResult == ERROR_SUCCESS;
}

bool KeyExists(IRegistry& registry, HKEY hRoot, const std::string& strPath) {
  HKEY hKey = nullptr;
  if (registry.RegOpenKeyExA(hRoot, strPath.c_str(), &hKey) != ERROR_SUCCESS)
    return false;
  registry.RegCloseKey(hKey);
  return true;
}

std::vector<BYTE> Bytes(const std::string& strBytes) {
  return std::vector<BYTE>(strBytes.begin(), strBytes.end());
}

std::vector<BYTE> SzBytes(const std::string& strText) {
  std::vector<BYTE> data(strText.begin(), strText.end());
  data.push_back(0);
  return data;
}

std::string Utf16File(const std::string& strText) {
  return "\xFF\xFE" + CodePageToUtf16Le(strText);
}
