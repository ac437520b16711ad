// quorrel-reg query <KEY> [<value>]: one value's line, or the key's values
// followed by the headers of its subkeys.
#include <cstdio>

#include "RegTool.h"
#include "RegToolKeyText.h"
#include "platform/memory/MemoryRegistry.h"

namespace {
int QueryKey(IRegistry& registry, HKEY hKey, const std::string& strName) {
  std::string strText = KeyText(registry, hKey, strName, false);
  char szSub[CMemoryRegistry::kMaxKeyNameLength + 1];
  for (DWORD i = 0;; ++i) {
    DWORD cchSub = sizeof szSub;
    if (registry.RegEnumKeyExA(hKey, i, szSub, &cchSub) != ERROR_SUCCESS) break;
    strText += "[" + strName + "\\" + szSub + "]\n";
  }
  std::fwrite(strText.data(), 1, strText.size(), stdout);
  return 0;
}
}  // namespace

int RunQuery(IRegistry& registry, const std::string& strKey,
             const char* pszValue) {
  HKEY hRoot = nullptr;
  std::string strPath;
  if (!SplitToolKey(strKey, &hRoot, &strPath)) {
    std::fprintf(stderr, "quorrel-reg: unknown root in \"%s\"\n",
                 strKey.c_str());
    return kToolUsage;
  }
  HKEY hKey = nullptr;
  const LONG lOpened = registry.RegOpenKeyExA(hRoot, strPath.c_str(), &hKey);
  if (lOpened != ERROR_SUCCESS) return ToolFailure(lOpened, strKey);
  int nResult = 0;
  if (pszValue == nullptr) {
    while (!strPath.empty() && strPath.back() == '\\') strPath.pop_back();
    nResult = QueryKey(
        registry, hKey,
        std::string(RootName(hRoot)) + (strPath.empty() ? "" : "\\" + strPath));
  } else {
    std::string strText;
    if (ValueText(registry, hKey, pszValue, &strText)) {
      std::fwrite(strText.data(), 1, strText.size(), stdout);
    } else {
      std::fprintf(stderr, "quorrel-reg: no value \"%s\"\n", pszValue);
      nResult = kToolFailed;
    }
  }
  registry.RegCloseKey(hKey);
  return nResult;
}
