// quorrel-reg delete <KEY> [<value>]: removes the key with everything below
// it, or one value of it.
#include <cstdio>

#include "RegTool.h"
#include "sys/RegKeyTree.h"

int RunDelete(IRegistry& registry, const std::string& strKey,
              const char* pszValue) {
  HKEY hRoot = nullptr;
  std::string strPath;
  if (!SplitToolKey(strKey, &hRoot, &strPath)) {
    std::fprintf(stderr, "quorrel-reg: unknown root in \"%s\"\n",
                 strKey.c_str());
    return kToolUsage;
  }
  if (pszValue == nullptr) {
    if (strPath.empty()) {
      std::fputs("quorrel-reg: a root key can't be deleted\n", stderr);
      return kToolUsage;
    }
    CRegTreeFailure failure;
    const LONG lResult = DeleteKeyTree(registry, hRoot, strPath, &failure);
    if (lResult == ERROR_SUCCESS) return 0;
    std::fprintf(stderr,
                 "quorrel-reg: cannot delete \"%s\": %s of \"%s\" failed with "
                 "error %ld\n",
                 strKey.c_str(), failure.pszCall, failure.strKey.c_str(),
                 static_cast<long>(lResult));
    return kToolFailed;
  }
  HKEY hKey = nullptr;
  LONG lResult = registry.RegOpenKeyExA(hRoot, strPath.c_str(), &hKey);
  if (lResult == ERROR_SUCCESS) {
    lResult = registry.RegDeleteValueA(hKey, pszValue);
    registry.RegCloseKey(hKey);
  }
  if (lResult == ERROR_SUCCESS) return 0;
  if (lResult == ERROR_SHARING_VIOLATION) return ToolFailure(lResult, strKey);
  std::fprintf(stderr, "quorrel-reg: cannot delete value \"%s\" of \"%s\"\n",
               pszValue, strKey.c_str());
  return kToolFailed;
}
