// Recovery from a run that ended without closing the store: the first
// program to open it replays the journal left onto the files and writes
// the files at once, so that it starts from complete files again.
//
// Replaying is safe on files that already hold some of the journal's
// changes (a crash while the files were being replaced): each change sets a
// key or value to a state, and a key deletion removes whatever is below the
// key, so the changes that follow in the journal rebuild the same result.
#include <cstring>

#include "DurableFile.h"
#include "FileRegistry.h"

LONG CFileRegistry::Recover(std::string* pstrError) {
  const std::string strPath = m_strDir + "/" + kJournalName;
  std::string strBytes;
  bool bExists = false;
  LONG lResult =
      ReadWholeFile(strPath, size_t{4} << 30, &strBytes, &bExists, pstrError);
  if (lResult != ERROR_SUCCESS || !bExists) return lResult;
  std::vector<CRegJournalRecord> records;
  std::string strWhy;
  if (!DecodeJournal(strBytes, &records, &strWhy)) {
    *pstrError = strPath + ": " + strWhy +
                 "; the journal and the files are kept as they are";
    return ERROR_BADDB;
  }
  if (!records.empty()) {
    CFileRegistry recovery;
    recovery.m_strDir = m_strDir;
    lResult = recovery.LoadFiles(pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
    recovery.Replay(records);
    lResult = recovery.WriteChangedFiles(pstrError);
    recovery.m_mode = EMode::kClosed;
    if (lResult != ERROR_SUCCESS) return lResult;
  }
  return RemoveFileDurably(strPath, pstrError);
}

void CFileRegistry::Replay(const std::vector<CRegJournalRecord>& records) {
  m_mode = EMode::kReplaying;
  for (const auto& record : records)
    for (const auto& op : record) ReplayOp(op);
}

void CFileRegistry::ReplayOp(const CRegStoreOp& op) {
  const size_t nSlash = op.strPath.find('\\');
  const std::string strRoot = op.strPath.substr(0, nSlash);
  const std::string strSub = nSlash == std::string::npos
                                 ? std::string()
                                 : op.strPath.substr(nSlash + 1);
  HKEY hRoot = nullptr;
  for (const auto& file : m_files)
    if (EqualRegNames(file.strRootName, strRoot)) hRoot = file.hRoot;
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

void CFileRegistry::DeleteTree(HKEY hRoot, const std::string& strPath) {
  HKEY hKey = nullptr;
  if (RegOpenKeyExA(hRoot, strPath.c_str(), &hKey) != ERROR_SUCCESS) return;
  DWORD nSubkeys = 0;
  RegQueryInfoKeyA(hKey, nullptr, nullptr, &nSubkeys, nullptr);
  while (nSubkeys-- > 0) {
    char szName[CMemoryRegistry::kMaxKeyNameLength + 1];
    DWORD cchName = sizeof szName;
    if (RegEnumKeyExA(hKey, nSubkeys, szName, &cchName) == ERROR_SUCCESS)
      DeleteTree(hKey, szName);
  }
  RegCloseKey(hKey);
  RegDeleteKeyA(hRoot, strPath.c_str());
}
