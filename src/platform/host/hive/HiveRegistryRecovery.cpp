// Recovery from a run that ended without closing the store: the journal it
// left is replayed onto the hives, which are written at once. Replaying
// onto hives that already hold some of its changes is safe: each change
// sets a key or value to a state (see FileRegistryRecovery.cpp).
#include "HiveRegistry.h"
#include "platform/host/store/DurableFile.h"

LONG CHiveRegistry::Recover(std::string* pstrError) {
  const std::string strPath = m_machine.strConfigDir + "/" + kJournalName;
  std::string strBytes;
  bool bExists = false;
  LONG lResult =
      ReadWholeFile(strPath, size_t{4} << 30, &strBytes, &bExists, pstrError);
  if (lResult != ERROR_SUCCESS || !bExists) return lResult;
  std::vector<CRegJournalRecord> records;
  std::string strWhy;
  if (!DecodeJournal(strBytes, &records, &strWhy)) {
    *pstrError = strPath + ": " + strWhy;
    return ERROR_BADDB;
  }
  if (!records.empty()) {
    CHiveRegistry recovery;
    recovery.m_machine = m_machine;
    lResult = recovery.LoadHives(pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
    recovery.Replay(records);
    lResult = recovery.WriteChangedHives(pstrError);
    recovery.m_mode = EMode::kClosed;
    if (lResult != ERROR_SUCCESS) return lResult;
  }
  return RemoveFileDurably(strPath, pstrError);
}

void CHiveRegistry::Replay(const std::vector<CRegJournalRecord>& records) {
  m_mode = EMode::kReplaying;
  for (const auto& record : records)
    for (const auto& op : record) ReplayOp(op);
}

void CHiveRegistry::ReplayOp(const CRegStoreOp& op) {
  static const struct {
    HKEY hRoot;
    const char* pszName;
  } kRoots[] = {{HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
                {HKEY_USERS, "HKEY_USERS"},
                {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"}};
  const size_t nSlash = op.strPath.find('\\');
  const std::string strRoot = op.strPath.substr(0, nSlash);
  const std::string strSub = nSlash == std::string::npos
                                 ? std::string()
                                 : op.strPath.substr(nSlash + 1);
  HKEY hRoot = nullptr;
  for (const auto& root : kRoots)
    if (EqualRegNames(root.pszName, strRoot)) hRoot = root.hRoot;
  if (hRoot == nullptr) return;
  HKEY hKey = nullptr;
  switch (op.op) {
    case ERegOp::kCreateKey:
    case ERegOp::kSetValue:
      if (RegCreateKeyExA(hRoot, strSub.c_str(), &hKey, nullptr) !=
          ERROR_SUCCESS)
        return;
      if (op.op == ERegOp::kSetValue)
        RegSetValueExA(hKey, op.strName.c_str(), op.dwType, op.data.data(),
                       static_cast<DWORD>(op.data.size()));
      RegCloseKey(hKey);
      return;
    case ERegOp::kDeleteValue:
      if (RegOpenKeyExA(hRoot, strSub.c_str(), &hKey) != ERROR_SUCCESS) return;
      RegDeleteValueA(hKey, op.strName.c_str());
      RegCloseKey(hKey);
      return;
    case ERegOp::kDeleteKey:
      DeleteTree(hRoot, strSub);
      return;
  }
}

void CHiveRegistry::DeleteTree(HKEY hRoot, const std::string& strPath) {
  HKEY hKey = nullptr;
  if (RegOpenKeyExA(hRoot, strPath.c_str(), &hKey) != ERROR_SUCCESS) return;
  DWORD nSubkeys = 0;
  RegQueryInfoKeyA(hKey, nullptr, nullptr, &nSubkeys, nullptr);
  while (nSubkeys-- > 0) {
    char szName[kMaxKeyNameLength + 1];
    DWORD cchName = sizeof szName;
    if (RegEnumKeyExA(hKey, nSubkeys, szName, &cchName) == ERROR_SUCCESS)
      DeleteTree(hKey, szName);
  }
  RegCloseKey(hKey);
  RegDeleteKeyA(hRoot, strPath.c_str());
}
