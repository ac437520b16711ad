#include "RegToolTree.h"

#include "platform/memory/MemoryRegistry.h"

LONG DeleteKeyTree(IRegistry& registry, HKEY hRoot,
                   const std::string& strPath) {
  HKEY hKey = nullptr;
  LONG lResult = registry.RegOpenKeyExA(hRoot, strPath.c_str(), &hKey);
  if (lResult != ERROR_SUCCESS) return lResult;
  char szSub[CMemoryRegistry::kMaxKeyNameLength + 1];
  DWORD cchSub = sizeof szSub;
  // Always the first subkey: each deletion moves the next one to index 0.
  while (lResult == ERROR_SUCCESS &&
         registry.RegEnumKeyExA(hKey, 0, szSub, &cchSub) == ERROR_SUCCESS) {
    lResult = DeleteKeyTree(registry, hKey, szSub);
    cchSub = sizeof szSub;
  }
  registry.RegCloseKey(hKey);
  if (lResult != ERROR_SUCCESS) return lResult;
  return registry.RegDeleteKeyA(hRoot, strPath.c_str());
}
