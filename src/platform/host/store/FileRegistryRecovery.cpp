// A journal left by the last program (one small against the files, kept
// on purpose, or one a crash left): the first program to open the store
// alone writes it into the files at once unless it is small, so that the
// journal stays bounded; a kept journal is replayed by every open.
//
// Replaying is safe on files that already hold some of the journal's
// changes (a crash while the files were being replaced): each change sets a
// key or value to a state, and a key deletion removes whatever is below the
// key, so the changes that follow in the journal rebuild the same result.
#include <sys/stat.h>

#include "DurableFile.h"
#include "FileRegistry.h"
#include "RegJournalReplay.h"

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
  if (KeepsJournal(strBytes.size())) return ERROR_SUCCESS;
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

bool CFileRegistry::KeepsJournal(uint64_t nJournalBytes) const {
  // Bounded both ways: a kept journal costs every open its replay.
  constexpr uint64_t kMaxKeptBytes = uint64_t{8} << 20;
  constexpr uint64_t kFileBytesPerJournalByte = 16;
  uint64_t nFileBytes = 0;
  for (const char* pszName :
       {"HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_USER"}) {
    struct stat st = {};
    const std::string strPath = m_strDir + "/" + pszName + ".reg";
    if (stat(strPath.c_str(), &st) == 0)
      nFileBytes += static_cast<uint64_t>(st.st_size);
  }
  return nJournalBytes <= kMaxKeptBytes &&
         nJournalBytes * kFileBytesPerJournalByte <= nFileBytes;
}

void CFileRegistry::Replay(const std::vector<CRegJournalRecord>& records) {
  m_mode = EMode::kReplaying;
  for (const auto& record : records)
    for (const auto& op : record) ReplayStoreOp(*this, op);
}
