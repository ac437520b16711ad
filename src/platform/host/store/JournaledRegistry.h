// What the host's two stores share, the .reg files (FileRegistry.h) and
// the hives of an NT installation (hive/HiveRegistry.h): a registry in
// memory over files, each change noted for the files that hold its key
// and recorded, one record a call or flush, in a journal (RegJournal.h)
// that carries it until those files take it in. The store itself says when
// it appends, syncs and writes its files.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RegJournal.h"
#include "platform/memory/MemoryRegistry.h"

struct CRegStoreStats {
  uint64_t nFlushCalls = 0;      // RegFlushKey calls
  uint64_t nJournalRecords = 0;  // flushes that had changes to store
  uint64_t nJournalBytes = 0;
  uint64_t nFilesWritten = 0;  // store files rewritten
  uint64_t nFileBytes = 0;
};

class CJournaledRegistry : public CMemoryRegistry {
 public:
  // What the run cost; printed when the store closes with QUORREL_STATS set,
  // one line that a bench reads alike for both stores.
  const CRegStoreStats& Stats() const { return m_stats; }
  // The reason of the last failed call, flush or close.
  const std::string& LastError() const { return m_strLastError; }
  // Told, once for each new reason, "<reason> (Windows error N)" when a
  // call fails because the store can't be read or written.
  void SetTroubleNotice(std::function<void(const std::string&)> notice) {
    m_notice = std::move(notice);
  }

 protected:
  // kDeferred: opened at its first use; kLoading: files being read, no
  // change noted; kReplaying: journal records applied, noted for the files
  // but not journaled again.
  enum class EMode { kClosed, kDeferred, kLoading, kReplaying, kOpen };

  void OnKeyCreated(CRegKeyNode& key) override;
  void OnKeyDeleted(CRegKeyNode& parent, const std::string& strName) override;
  void OnValueSet(CRegKeyNode& key, const CRegValue& value) override;
  void OnValueDeleted(CRegKeyNode& key, const std::string& strName) override;
  // Notes for the files that op changed key (for a deleted key, its
  // parent); false when key is in none of them, and op is not journaled.
  virtual bool NoteChange(CRegKeyNode& key, const CRegStoreOp& op) = 0;
  // What a journal begins with, ahead of its first change.
  virtual CRegJournalRecord JournalBegins() const { return {}; }

  // Appends the changes not yet journaled as one record (written, not
  // synced); they stay pending when that fails.
  LONG AppendPending(std::string* pstrError);
  // AppendPending, then the journal synced: a machine crash keeps it.
  LONG SyncJournal(std::string* pstrError);
  void Replay(const std::vector<CRegJournalRecord>& records);
  // Keeps the reason of a failure; it is told by Notify, outside any call.
  LONG Fail(LONG lResult, const std::string& strError);
  void Notify();
  void PrintStats() const;

  EMode m_mode = EMode::kClosed;
  CRegJournalRecord m_pending;
  std::unique_ptr<CRegJournal> m_journal;
  int m_nCallDepth = 0;
  CRegStoreStats m_stats;
  std::string m_strLastError;

 private:
  void Note(CRegKeyNode& key, CRegStoreOp op);

  std::string m_strNoticed;
  std::string m_strToNotice;
  std::function<void(const std::string&)> m_notice;
};
