#include "RegJournalReplay.h"

#include "StoredRoots.h"
#include "platform/memory/MemoryRegistry.h"

namespace {
// A key deletion removes whatever is below the key.
void DeleteTree(IRegistry& registry, HKEY hRoot, const std::string& strPath) {
  HKEY hKey = nullptr;
  if (registry.RegOpenKeyExA(hRoot, strPath.c_str(), &hKey) != ERROR_SUCCESS)
    return;
  DWORD nSubkeys = 0;
  registry.RegQueryInfoKeyA(hKey, nullptr, nullptr, &nSubkeys, nullptr);
  while (nSubkeys-- > 0) {
    char szName[CMemoryRegistry::kMaxKeyNameLength + 1];
    DWORD cchName = sizeof szName;
    if (registry.RegEnumKeyExA(hKey, nSubkeys, szName, &cchName) ==
        ERROR_SUCCESS)
      DeleteTree(registry, hKey, szName);
  }
  registry.RegCloseKey(hKey);
  registry.RegDeleteKeyA(hRoot, strPath.c_str());
}
}  // namespace

void ReplayStoreOp(IRegistry& registry, const CRegStoreOp& op) {
  const size_t nSlash = op.strPath.find('\\');
  const std::string strRoot = op.strPath.substr(0, nSlash);
  const std::string strSub = nSlash == std::string::npos
                                 ? std::string()
                                 : op.strPath.substr(nSlash + 1);
  HKEY hRoot = nullptr;
  for (const auto& root : kStoredRoots)
    if (EqualRegNames(root.pszName, strRoot)) hRoot = root.hRoot;
  if (hRoot == nullptr) return;
  HKEY hKey = nullptr;
  switch (op.op) {
    case ERegOp::kCreateKey:
    case ERegOp::kSetValue:
      if (registry.RegCreateKeyExA(hRoot, strSub.c_str(), &hKey, nullptr) !=
          ERROR_SUCCESS)
        return;
      if (op.op == ERegOp::kSetValue)
        registry.RegSetValueExA(hKey, op.strName.c_str(), op.dwType,
                                op.data.data(),
                                static_cast<DWORD>(op.data.size()));
      registry.RegCloseKey(hKey);
      return;
    case ERegOp::kDeleteValue:
      if (registry.RegOpenKeyExA(hRoot, strSub.c_str(), &hKey) != ERROR_SUCCESS)
        return;
      registry.RegDeleteValueA(hKey, op.strName.c_str());
      registry.RegCloseKey(hKey);
      return;
    case ERegOp::kDeleteKey:
      DeleteTree(registry, hRoot, strSub);
      return;
    case ERegOp::kFileBase:
    case ERegOp::kFileFolded:
      return;
  }
}

void ReplayRecords(IRegistry& registry,
                   const std::vector<CRegJournalRecord>& records) {
  for (const auto& record : records)
    for (const auto& op : record) ReplayStoreOp(registry, op);
}
