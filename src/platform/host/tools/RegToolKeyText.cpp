#include "RegToolKeyText.h"

#include <vector>

#include "platform/host/regfile/RegValueWriter.h"
#include "platform/memory/MemoryRegistry.h"

namespace {
// The registry's limit on value names, plus the terminating zero.
constexpr DWORD kNameBuffer = 16384;

bool ReadValue(IRegistry& registry, HKEY hKey, DWORD dwIndex,
               std::string* pstrName, DWORD* pdwType,
               std::vector<BYTE>* pData) {
  std::vector<char> name(kNameBuffer);
  DWORD cchName = kNameBuffer;
  DWORD cbData = 0;
  if (registry.RegEnumValueA(hKey, dwIndex, name.data(), &cchName, pdwType,
                             nullptr, &cbData) != ERROR_SUCCESS)
    return false;
  pstrName->assign(name.data(), cchName);
  pData->assign(cbData, 0);
  cchName = kNameBuffer;
  return registry.RegEnumValueA(hKey, dwIndex, name.data(), &cchName, pdwType,
                                pData->data(), &cbData) == ERROR_SUCCESS;
}
}  // namespace

bool ValueText(IRegistry& registry, HKEY hKey, const char* pszName,
               std::string* pstrText) {
  DWORD dwType = 0;
  DWORD cbData = 0;
  if (registry.RegQueryValueExA(hKey, pszName, &dwType, nullptr, &cbData) !=
      ERROR_SUCCESS)
    return false;
  std::vector<BYTE> data(cbData);
  if (registry.RegQueryValueExA(hKey, pszName, &dwType, data.data(), &cbData) !=
      ERROR_SUCCESS)
    return false;
  *pstrText =
      FormatRegValue(pszName, dwType, data, ERegFormat::kRegedit4, "\n");
  return true;
}

std::string KeyText(IRegistry& registry, HKEY hKey, const std::string& strPath,
                    bool bSubtree) {
  std::string strText = FormatRegKeyHeader(strPath, "\n");
  std::string strName;
  DWORD dwType = 0;
  std::vector<BYTE> data;
  for (DWORD i = 0; ReadValue(registry, hKey, i, &strName, &dwType, &data); ++i)
    strText +=
        FormatRegValue(strName, dwType, data, ERegFormat::kRegedit4, "\n");
  strText += "\n";
  if (!bSubtree) return strText;
  char szSub[CMemoryRegistry::kMaxKeyNameLength + 1];
  for (DWORD i = 0;; ++i) {
    DWORD cchSub = sizeof szSub;
    if (registry.RegEnumKeyExA(hKey, i, szSub, &cchSub) != ERROR_SUCCESS) break;
    HKEY hSub = nullptr;
    if (registry.RegOpenKeyExA(hKey, szSub, &hSub) != ERROR_SUCCESS) continue;
    strText += KeyText(registry, hSub, strPath + "\\" + szSub, true);
    registry.RegCloseKey(hSub);
  }
  return strText;
}
