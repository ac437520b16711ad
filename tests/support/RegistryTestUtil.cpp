#include "RegistryTestUtil.h"

#include <cstdio>

#include "platform/Platform.h"

void SetRawValue(HKEY hRoot, const std::string& strPath,
                 const std::string& strName, DWORD dwType, const CBytes& data) {
  HKEY hKey = nullptr;
  if (Registry().RegCreateKeyExA(hRoot, strPath.c_str(), &hKey, nullptr) !=
      ERROR_SUCCESS)
    return;
  Registry().RegSetValueExA(hKey, strName.c_str(), dwType, data.data(),
                            static_cast<DWORD>(data.size()));
  Registry().RegCloseKey(hKey);
}

bool GetRawValue(HKEY hRoot, const std::string& strPath,
                 const std::string& strName, DWORD* pdwType, CBytes* pData) {
  HKEY hKey = nullptr;
  if (Registry().RegOpenKeyExA(hRoot, strPath.c_str(), &hKey) != ERROR_SUCCESS)
    return false;
  DWORD cbData = 0;
  LONG lResult = Registry().RegQueryValueExA(hKey, strName.c_str(), pdwType,
                                             nullptr, &cbData);
  if (lResult == ERROR_SUCCESS) {
    pData->assign(cbData, 0);
    lResult = Registry().RegQueryValueExA(hKey, strName.c_str(), pdwType,
                                          pData->data(), &cbData);
  }
  Registry().RegCloseKey(hKey);
  return lResult == ERROR_SUCCESS;
}

bool KeyExists(HKEY hRoot, const std::string& strPath) {
  HKEY hKey = nullptr;
  if (Registry().RegOpenKeyExA(hRoot, strPath.c_str(), &hKey) != ERROR_SUCCESS)
    return false;
  Registry().RegCloseKey(hKey);
  return true;
}

CBytes TagListBytes(const std::vector<DWORD>& tags, const CBytes& trailing) {
  CBytes bytes;
  auto append = [&bytes](DWORD dw) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<BYTE>(dw >> 8 * i));
  };
  append(static_cast<DWORD>(tags.size()));
  for (DWORD dwTag : tags) append(dwTag);
  bytes.insert(bytes.end(), trailing.begin(), trailing.end());
  return bytes;
}

std::vector<DWORD> Words(const CBytes& data) {
  std::vector<DWORD> words;
  for (size_t i = 0; i + 4 <= data.size(); i += 4)
    words.push_back(data[i] | data[i + 1] << 8 | data[i + 2] << 16 |
                    static_cast<DWORD>(data[i + 3]) << 24);
  return words;
}

namespace {
void DumpKey(HKEY hKey, const std::string& strPath, std::string* pOut) {
  *pOut += "[" + strPath + "]\n";
  for (DWORD nIndex = 0;; ++nIndex) {
    char szName[16384];
    DWORD cchName = sizeof(szName);
    DWORD dwType = 0;
    DWORD cbData = 0;
    if (Registry().RegEnumValueA(hKey, nIndex, szName, &cchName, &dwType,
                                 nullptr, &cbData) != ERROR_SUCCESS)
      break;
    CBytes data(cbData);
    cchName = sizeof(szName);
    Registry().RegEnumValueA(hKey, nIndex, szName, &cchName, &dwType,
                             data.data(), &cbData);
    *pOut +=
        "  \"" + std::string(szName) + "\" " + std::to_string(dwType) + ":";
    for (BYTE b : data) {
      char szHex[4];
      std::snprintf(szHex, sizeof(szHex), "%02x", b);
      *pOut += szHex;
    }
    *pOut += "\n";
  }
  for (DWORD nIndex = 0;; ++nIndex) {
    char szName[512];
    DWORD cchName = sizeof(szName);
    if (Registry().RegEnumKeyExA(hKey, nIndex, szName, &cchName) !=
        ERROR_SUCCESS)
      break;
    HKEY hChild = nullptr;
    if (Registry().RegOpenKeyExA(hKey, szName, &hChild) != ERROR_SUCCESS)
      continue;
    DumpKey(hChild, strPath + "\\" + szName, pOut);
    Registry().RegCloseKey(hChild);
  }
}
}  // namespace

std::string DumpRegistryTree(HKEY hRoot, const std::string& strPath) {
  HKEY hKey = nullptr;
  if (Registry().RegOpenKeyExA(hRoot, strPath.c_str(), &hKey) != ERROR_SUCCESS)
    return std::string();
  std::string strOut;
  DumpKey(hKey, strPath, &strOut);
  Registry().RegCloseKey(hKey);
  return strOut;
}
