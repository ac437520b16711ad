#include "JournaledRegistry.h"

#include <cstdio>
#include <cstdlib>

#include "RegJournalReplay.h"

void CJournaledRegistry::Note(CRegKeyNode& key, CRegStoreOp op) {
  if (NoteChange(key, op) && m_mode == EMode::kOpen)
    m_pending.push_back(std::move(op));
}

void CJournaledRegistry::OnKeyCreated(CRegKeyNode& key) {
  if (m_mode != EMode::kOpen && m_mode != EMode::kReplaying) return;
  Note(key, CRegStoreOp{ERegOp::kCreateKey, key.Path(), {}, REG_NONE, {}});
}

void CJournaledRegistry::OnKeyDeleted(CRegKeyNode& parent,
                                      const std::string& strName) {
  if (m_mode != EMode::kOpen && m_mode != EMode::kReplaying) return;
  Note(parent, CRegStoreOp{ERegOp::kDeleteKey,
                           parent.Path() + "\\" + strName,
                           {},
                           REG_NONE,
                           {}});
}

void CJournaledRegistry::OnValueSet(CRegKeyNode& key, const CRegValue& value) {
  if (m_mode != EMode::kOpen && m_mode != EMode::kReplaying) return;
  Note(key, CRegStoreOp{ERegOp::kSetValue, key.Path(), value.strName,
                        value.dwType, value.data});
}

void CJournaledRegistry::OnValueDeleted(CRegKeyNode& key,
                                        const std::string& strName) {
  if (m_mode != EMode::kOpen && m_mode != EMode::kReplaying) return;
  Note(key,
       CRegStoreOp{ERegOp::kDeleteValue, key.Path(), strName, REG_NONE, {}});
}

LONG CJournaledRegistry::AppendPending(std::string* pstrError) {
  LONG lResult = ERROR_SUCCESS;
  if (m_journal->HasRecords()) {
    lResult = m_journal->Append(m_pending, pstrError);
  } else {
    CRegJournalRecord record = JournalBegins();
    record.insert(record.end(), m_pending.begin(), m_pending.end());
    lResult = m_journal->Append(record, pstrError);
  }
  if (lResult != ERROR_SUCCESS) return lResult;
  m_pending.clear();
  ++m_stats.nJournalRecords;
  m_stats.nJournalBytes = m_journal->BytesWritten();
  return ERROR_SUCCESS;
}

LONG CJournaledRegistry::SyncJournal(std::string* pstrError) {
  LONG lResult = ERROR_SUCCESS;
  if (!m_pending.empty()) lResult = AppendPending(pstrError);
  if (lResult == ERROR_SUCCESS) lResult = m_journal->Sync(pstrError);
  return lResult;
}

void CJournaledRegistry::Replay(const std::vector<CRegJournalRecord>& records) {
  m_mode = EMode::kReplaying;
  ReplayRecords(*this, records);
}

LONG CJournaledRegistry::Fail(LONG lResult, const std::string& strError) {
  m_strLastError = strError;
  if (strError != m_strNoticed) {
    m_strNoticed = strError;
    m_strToNotice =
        strError + " (Windows error " + std::to_string(lResult) + ")";
  }
  return lResult;
}

void CJournaledRegistry::Notify() {
  // Told with the store released: the user may take a while to answer.
  if (m_strToNotice.empty() || m_nCallDepth > 0) return;
  const std::string strNotice = m_strToNotice;
  m_strToNotice.clear();
  if (m_notice) m_notice(strNotice);
}

void CJournaledRegistry::PrintStats() const {
  if (std::getenv("QUORREL_STATS") == nullptr) return;
  std::fprintf(stderr,
               "registry: flush_calls=%llu journal_records=%llu "
               "journal_bytes=%llu files_written=%llu file_bytes=%llu\n",
               static_cast<unsigned long long>(m_stats.nFlushCalls),
               static_cast<unsigned long long>(m_stats.nJournalRecords),
               static_cast<unsigned long long>(m_stats.nJournalBytes),
               static_cast<unsigned long long>(m_stats.nFilesWritten),
               static_cast<unsigned long long>(m_stats.nFileBytes));
}
