// Recovery from a run that ended without closing the store: the journal it
// left is replayed onto the hives, which are written at once. Replaying
// onto hives that already hold some of its changes is safe: each change
// sets a key or value to a state (see FileRegistryRecovery.cpp).
#include "HiveRegistry.h"
#include "platform/host/store/DurableFile.h"
#include "platform/host/store/RegJournalReplay.h"

LONG CHiveRegistry::Recover(std::string* pstrError) {
  const std::string strPath = m_machine.strConfigDir + "/" + kJournalName;
  std::vector<CRegJournalRecord> records;
  bool bExists = false;
  size_t nBytes = 0;
  LONG lResult =
      ReadLeftJournal(strPath, &records, &bExists, &nBytes, pstrError);
  if (lResult != ERROR_SUCCESS || !bExists) return lResult;
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
  ReplayRecords(*this, records);
}
