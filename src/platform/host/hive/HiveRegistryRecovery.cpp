// Recovery from a run that ended without closing the store: the journal it
// left is synced (that run may have died before its own sync) and replayed
// onto the hives, which are written at once. Replaying onto hives that
// already hold some of its changes is safe: each change sets a key or value
// to a state (see FileRegistryRecovery.cpp).
#include "HiveRegistry.h"
#include "platform/host/store/DurableFile.h"

LONG CHiveRegistry::RecoverAlone(std::string* pstrError) {
  CRegJournal journal(InStore(kJournalName));
  std::vector<CRegJournalRecord> records;
  bool bReplaced = false;
  LONG lResult = journal.ReadNew(&records, &bReplaced, pstrError);
  if (lResult != ERROR_SUCCESS || !journal.Exists()) return lResult;
  CHiveRegistry recovery;
  recovery.m_machine = m_machine;
  if (!records.empty()) {
    // The hives the check read serve the replay; those it rewrites are
    // read again by the load that follows.
    recovery.m_checked = std::move(m_checked);
    lResult = recovery.LoadFiles(pstrError);
  }
  if (lResult != ERROR_SUCCESS) return lResult;
  recovery.Replay(records);
  lResult = recovery.Fold(journal, pstrError);
  recovery.m_mode = EMode::kClosed;
  return lResult;
}

LONG CHiveRegistry::Fold(CRegJournal& journal, std::string* pstrError) {
  // Every hive after the journal that repairs a crash between two renames.
  LONG lResult = journal.Sync(pstrError);
  // The journal changes hives this program did not open (it opened SYSTEM
  // alone): they all take it in, as after a crash.
  if (lResult == ERROR_SUCCESS && m_bUnmountedChanges) {
    journal.CloseFile();
    return RecoverAlone(pstrError);
  }
  if (lResult == ERROR_SUCCESS) lResult = WriteChangedHives(pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  journal.CloseFile();
  return RemoveFileDurably(journal.Path(), pstrError);
}
