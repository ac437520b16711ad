// Recovery from a run that ended without closing the store: the first
// program to open it replays the journal left onto the files and writes
// the files at once, so that it starts from complete files again.
//
// Replaying is safe on files that already hold some of the journal's
// changes (a crash while the files were being replaced): each change sets a
// key or value to a state, and a key deletion removes whatever is below the
// key, so the changes that follow in the journal rebuild the same result.
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
    for (const auto& op : record) ReplayStoreOp(*this, op);
}
