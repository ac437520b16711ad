#include "HostServiceKeys.h"

#include "platform/host/HostRegKey.h"

namespace {
std::string SubkeyAt(IRegistry& registry, HKEY hKey, DWORD dwIndex,
                     LONG* plError) {
  char szName[256];
  DWORD cchName = sizeof(szName);
  *plError = registry.RegEnumKeyExA(hKey, dwIndex, szName, &cchName);
  return *plError == ERROR_SUCCESS ? std::string(szName, cchName)
                                   : std::string();
}

// Children before parents, from the last index down so that deleting never
// moves a subkey still to be visited.
LONG DeleteTree(IRegistry& registry, HKEY hRoot, const std::string& strPath) {
  CHostRegKey key(registry);
  LONG lError = registry.RegOpenKeyExA(hRoot, strPath.c_str(), key.Out());
  if (lError != ERROR_SUCCESS) return lError;
  DWORD cSubKeys = 0;
  lError = registry.RegQueryInfoKeyA(key.Get(), nullptr, nullptr, &cSubKeys,
                                     nullptr);
  while (lError == ERROR_SUCCESS && cSubKeys > 0) {
    const std::string strChild =
        SubkeyAt(registry, key.Get(), --cSubKeys, &lError);
    if (lError == ERROR_SUCCESS)
      lError = DeleteTree(registry, key.Get(), strChild);
  }
  if (lError != ERROR_SUCCESS) return lError;
  return registry.RegDeleteKeyA(hRoot, strPath.c_str());
}
}  // namespace

std::string ServiceKeyPath(const std::string& strService) {
  return std::string(kHostServicesKey) + "\\" + strService;
}

DWORD ReadServiceDword(IRegistry& registry, const std::string& strService,
                       const char* pszValue, DWORD* pdwData) {
  CHostRegKey key(registry);
  LONG lError = registry.RegOpenKeyExA(
      HKEY_LOCAL_MACHINE, ServiceKeyPath(strService).c_str(), key.Out());
  if (lError != ERROR_SUCCESS) return DWORD(lError);
  DWORD dwType = REG_NONE;
  DWORD dwData = 0;
  DWORD cbData = sizeof(dwData);
  lError = registry.RegQueryValueExA(key.Get(), pszValue, &dwType,
                                     reinterpret_cast<BYTE*>(&dwData), &cbData);
  if (lError == ERROR_MORE_DATA) return ERROR_BADKEY;
  if (lError != ERROR_SUCCESS) return DWORD(lError);
  if (dwType != REG_DWORD || cbData != sizeof(dwData)) return ERROR_BADKEY;
  *pdwData = dwData;
  return ERROR_SUCCESS;
}

DWORD ReadServiceString(IRegistry& registry, const std::string& strService,
                        const char* pszValue, std::string* pstrText) {
  pstrText->clear();
  CHostRegKey key(registry);
  LONG lError = registry.RegOpenKeyExA(
      HKEY_LOCAL_MACHINE, ServiceKeyPath(strService).c_str(), key.Out());
  if (lError != ERROR_SUCCESS) return DWORD(lError);
  DWORD dwType = REG_NONE;
  DWORD cbData = 0;
  lError =
      registry.RegQueryValueExA(key.Get(), pszValue, &dwType, nullptr, &cbData);
  if (lError != ERROR_SUCCESS) return DWORD(lError);
  if (dwType != REG_SZ && dwType != REG_EXPAND_SZ) return ERROR_SUCCESS;
  std::vector<BYTE> data(cbData + 1, 0);
  lError = registry.RegQueryValueExA(key.Get(), pszValue, &dwType, data.data(),
                                     &cbData);
  if (lError != ERROR_SUCCESS) return DWORD(lError);
  data[cbData] = 0;
  *pstrText = reinterpret_cast<const char*>(data.data());
  return ERROR_SUCCESS;
}

bool IsService(IRegistry& registry, const std::string& strService,
               DWORD* pdwType) {
  return ReadServiceDword(registry, strService, "Type", pdwType) ==
         ERROR_SUCCESS;
}

CServiceValue DwordValue(const char* pszName, DWORD dwData) {
  CServiceValue value{pszName, REG_DWORD, {}};
  for (int shift = 0; shift < 32; shift += 8)
    value.data.push_back(BYTE(dwData >> shift));
  return value;
}

CServiceValue TextValue(const char* pszName, DWORD dwType,
                        const std::string& strText) {
  CServiceValue value{pszName, dwType, {strText.begin(), strText.end()}};
  value.data.push_back(0);
  return value;
}

DWORD WriteServiceValues(IRegistry& registry, const std::string& strService,
                         const std::vector<CServiceValue>& values) {
  CHostRegKey key(registry);
  LONG lError = registry.RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                                         ServiceKeyPath(strService).c_str(),
                                         key.Out(), nullptr);
  for (size_t i = 0; lError == ERROR_SUCCESS && i < values.size(); ++i) {
    lError = registry.RegSetValueExA(key.Get(), values[i].pszName,
                                     values[i].dwType, values[i].data.data(),
                                     DWORD(values[i].data.size()));
  }
  if (lError == ERROR_SUCCESS) lError = registry.RegFlushKey(key.Get());
  return DWORD(lError);
}

DWORD DeleteServiceKey(IRegistry& registry, const std::string& strService) {
  const LONG lError =
      DeleteTree(registry, HKEY_LOCAL_MACHINE, ServiceKeyPath(strService));
  if (lError != ERROR_SUCCESS) return DWORD(lError);
  CHostRegKey services(registry);
  if (registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kHostServicesKey,
                             services.Out()) == ERROR_SUCCESS)
    registry.RegFlushKey(services.Get());
  return ERROR_SUCCESS;
}

std::vector<std::string> ServiceKeyNames(IRegistry& registry) {
  std::vector<std::string> names;
  CHostRegKey key(registry);
  if (registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kHostServicesKey, key.Out()) !=
      ERROR_SUCCESS)
    return names;
  LONG lError = ERROR_SUCCESS;
  for (DWORD i = 0;; ++i) {
    std::string strName = SubkeyAt(registry, key.Get(), i, &lError);
    if (lError != ERROR_SUCCESS) break;
    names.push_back(strName);
  }
  return names;
}
