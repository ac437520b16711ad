// Recovery from a run that ended without closing the store: the journal it
// left is synced (that run may have died before its own sync) and replayed
// onto the hives, which are written at once. Replaying onto hives that
// already hold some of its changes is safe: each change sets a key or value
// to a state (see FileRegistryRecovery.cpp).
#include "HiveRegistry.h"
#include "platform/host/store/DurableFile.h"

LONG CHiveRegistry::Recover(std::string* pstrError) {
  CRegJournal journal(m_machine.strConfigDir + "/" + kJournalName);
  std::vector<CRegJournalRecord> records;
  bool bReplaced = false;
  LONG lResult = journal.ReadNew(&records, &bReplaced, pstrError);
  if (lResult != ERROR_SUCCESS || !journal.Exists()) return lResult;
  lResult = journal.Sync(pstrError);
  if (lResult == ERROR_SUCCESS && !records.empty()) {
    CHiveRegistry recovery;
    recovery.m_machine = m_machine;
    lResult = recovery.LoadHives(pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
    recovery.Replay(records);
    lResult = recovery.WriteChangedHives(pstrError);
    recovery.m_mode = EMode::kClosed;
  }
  if (lResult != ERROR_SUCCESS) return lResult;
  journal.CloseFile();
  return RemoveFileDurably(journal.Path(), pstrError);
}
