#include "RegKeyTree.h"

namespace {
LONG Noted(LONG lResult, const char* pszCall, const std::string& strKey,
           CRegTreeFailure* pFailure) {
  if (lResult != ERROR_SUCCESS && pFailure && !pFailure->pszCall) {
    pFailure->pszCall = pszCall;
    pFailure->strKey = strKey;
  }
  return lResult;
}

LONG DeleteTree(IRegistry& registry, HKEY hRoot, const std::string& strPath,
                const std::string& strShown, CRegTreeFailure* pFailure);

// From the highest index down, so that deleting a subkey never moves one
// still to be visited. The count is taken once.
LONG DeleteSubkeys(IRegistry& registry, HKEY hKey, const std::string& strShown,
                   CRegTreeFailure* pFailure) {
  char szClass[kRegTreeNameBufferSize];
  DWORD cchClass = sizeof(szClass);
  DWORD nSubkeys = 0;
  LONG lResult = Noted(
      registry.RegQueryInfoKeyA(hKey, szClass, &cchClass, &nSubkeys, nullptr),
      "RegQueryInfoKeyA", strShown, pFailure);
  for (; nSubkeys > 0 && lResult == ERROR_SUCCESS; --nSubkeys) {
    char szName[kRegTreeNameBufferSize];
    DWORD cchName = sizeof(szName);
    lResult =
        Noted(registry.RegEnumKeyExA(hKey, nSubkeys - 1, szName, &cchName),
              "RegEnumKeyExA", strShown, pFailure);
    if (lResult == ERROR_SUCCESS)
      lResult = DeleteTree(registry, hKey, szName, strShown + "\\" + szName,
                           pFailure);
  }
  return lResult;
}

LONG DeleteTree(IRegistry& registry, HKEY hRoot, const std::string& strPath,
                const std::string& strShown, CRegTreeFailure* pFailure) {
  HKEY hKey = nullptr;
  LONG lResult = Noted(registry.RegOpenKeyExA(hRoot, strPath.c_str(), &hKey),
                       "RegOpenKeyExA", strShown, pFailure);
  if (lResult != ERROR_SUCCESS) return lResult;
  lResult = DeleteSubkeys(registry, hKey, strShown, pFailure);
  // The key itself goes once its handle is closed.
  registry.RegCloseKey(hKey);
  if (lResult != ERROR_SUCCESS) return lResult;
  return Noted(registry.RegDeleteKeyA(hRoot, strPath.c_str()), "RegDeleteKeyA",
               strShown, pFailure);
}
}  // namespace

LONG DeleteKeyTree(IRegistry& registry, HKEY hRoot, const std::string& strPath,
                   CRegTreeFailure* pFailure) {
  return DeleteTree(registry, hRoot, strPath, strPath, pFailure);
}
