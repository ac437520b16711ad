// A journal left by the last program (one small against the files, kept
// on purpose, or one a crash left): the first program to open the store
// alone writes it into the files at once unless it is small, so that the
// journal stays bounded; a kept journal is replayed by every open.
//
// Replaying is safe on files that already hold some of the journal's
// changes (a crash while the files were being replaced): each change sets a
// key or value to a state, and a key deletion removes whatever is below the
// key, so the changes that follow in the journal rebuild the same result.
#include "DurableFile.h"
#include "FileRegistry.h"
#include "RegFileStamp.h"
#include "StoredRoots.h"

LONG CFileRegistry::Recover(bool bAlways, std::string* pstrNotice,
                            std::string* pstrError) {
  CRegJournal journal(m_strDir + "/" + kJournalName);
  std::vector<CRegJournalRecord> records;
  bool bReplaced = false;
  LONG lResult = journal.ReadNew(&records, &bReplaced, pstrError);
  if (lResult == ERROR_REGISTRY_CORRUPT) lResult = ERROR_BADDB;
  if (lResult != ERROR_SUCCESS || !journal.Exists()) return lResult;
  if (!bAlways && KeepsJournal(journal.Size())) return ERROR_SUCCESS;
  CFileRegistry recovery;
  recovery.m_strDir = m_strDir;
  lResult = recovery.LoadFiles(pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  const std::string strChanged = recovery.ChangedSinceJournal(records);
  if (!strChanged.empty() && !bAlways)
    return RefuseChanged(strChanged, pstrError);
  if (!strChanged.empty())
    *pstrNotice = "the journal's changes were replayed over " + strChanged +
                  ", which was changed since the journal began";
  recovery.Replay(records);
  lResult = recovery.Fold(journal, pstrError);
  recovery.m_mode = EMode::kClosed;
  return lResult;
}

LONG CFileRegistry::FoldStore(const std::string& strDir,
                              std::string* pstrNotice, std::string* pstrError) {
  if (!StampOf(strDir).bExists) return ERROR_SUCCESS;  // no store yet
  CFileRegistry store;
  store.m_strDir = strDir;
  store.m_lock.reset(new CStoreLock(strDir + "/" + kLockName));
  LONG lResult = store.m_lock->Acquire(CStoreLock::DefaultTimeout(), pstrError);
  bool bAlone = false;
  if (lResult == ERROR_SUCCESS) lResult = store.JoinUsers(&bAlone, pstrError);
  if (lResult == ERROR_SUCCESS && !bAlone) {
    *pstrError = strDir +
                 ": other programs have the store open; fold its "
                 "journal when they are done";
    lResult = ERROR_SHARING_VIOLATION;
  }
  if (lResult == ERROR_SUCCESS)
    lResult = store.Recover(true, pstrNotice, pstrError);
  store.Leave();
  return lResult;
}

bool CFileRegistry::KeepsJournal(uint64_t nJournalBytes) const {
  // Bounded both ways: a kept journal costs every open its replay.
  constexpr uint64_t kMaxKeptBytes = uint64_t{8} << 20;
  constexpr uint64_t kFileBytesPerJournalByte = 16;
  uint64_t nFileBytes = 0;
  for (const auto& root : kStoredRoots)
    nFileBytes += StampOf(m_strDir + "/" + root.pszName + ".reg").nSize;
  return nJournalBytes <= kMaxKeptBytes &&
         nJournalBytes * kFileBytesPerJournalByte <= nFileBytes;
}
