// The host's registry: the in-memory registry kept in a directory of files,
// one a root key, in the registry's own export format:
// HKEY_LOCAL_MACHINE.reg, HKEY_USERS.reg and HKEY_CURRENT_USER.reg (a
// missing file is an empty root; HKEY_CLASSES_ROOT is not stored).
//
// Durability: RegFlushKey appends the changes made since the last flush to
// the journal store.journal as one checksummed record and syncs it, so a
// flush costs what changed, not the size of the registry. Close() writes
// each changed root file anew (temporary file, fsync, rename, fsync of the
// directory) and then removes the journal; the files are complete whenever
// no program has the store open. Open() replays the journal that a crashed
// run left (ignoring a torn last record) and writes the files at once.
// Changes not flushed when a run crashes are lost, as on Windows.
//
// The files keep their format (REGEDIT4 or version 5.00), encoding and line
// ends; what the program did not change is written back as it was read.
// Strings are 8-bit text of Windows-1252 (RegCodePage.h). One program at a
// time has the store open (an exclusive lock on store.lock; others wait).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "RegJournal.h"
#include "RegStoreFile.h"
#include "platform/memory/MemoryRegistry.h"

struct CRegStoreStats {
  uint64_t nFlushCalls = 0;      // RegFlushKey calls
  uint64_t nJournalRecords = 0;  // flushes that had changes to store
  uint64_t nJournalBytes = 0;
  uint64_t nFilesWritten = 0;  // root files rewritten
  uint64_t nFileBytes = 0;
};

class CFileRegistry : public CMemoryRegistry {
 public:
  CFileRegistry();
  // Closes the store when still open; errors are lost: call Close().
  ~CFileRegistry() override;
  CFileRegistry(const CFileRegistry&) = delete;
  CFileRegistry& operator=(const CFileRegistry&) = delete;

  // Reads the store in strDir (created when missing). A file that can't be
  // read is refused, and left as it is: ERROR_BADDB with *pstrError naming
  // the file and line ("<path>: line N: <reason>").
  LONG Open(const std::string& strDir, std::string* pstrError);
  // Stores every change and releases the store. The registry stays usable
  // in memory, but changes made afterwards are not stored.
  LONG Close(std::string* pstrError);
  bool IsOpen() const { return m_mode == EMode::kOpen; }

  LONG RegFlushKey(HKEY hKey) override;

  const CRegStoreStats& Stats() const { return m_stats; }
  // The reason of the last failed flush or close, for the debug channel.
  const std::string& LastError() const { return m_strLastError; }

  static const char kJournalName[];
  static const char kLockName[];

 protected:
  void OnKeyCreated(CRegKeyNode& key) override;
  void OnKeyDeleted(CRegKeyNode& parent, const std::string& strName) override;
  void OnValueSet(CRegKeyNode& key, const CRegValue& value) override;
  void OnValueDeleted(CRegKeyNode& key, const std::string& strName) override;

 private:
  enum class EMode { kClosed, kLoading, kReplaying, kOpen };

  LONG Lock(std::string* pstrError);
  void Unlock();
  LONG LoadFiles(std::string* pstrError);
  LONG LoadFile(CRegStoreFile* pFile, std::string* pstrError);
  LONG Recover(std::string* pstrError);
  void Replay(const std::vector<CRegJournalRecord>& records);
  void ReplayOp(const CRegStoreOp& op);
  void DeleteTree(HKEY hRoot, const std::string& strPath);
  LONG WriteChangedFiles(std::string* pstrError);
  LONG AppendPending(std::string* pstrError);
  void PrintStats() const;

  // The file of the root a key is in; null for HKEY_CLASSES_ROOT.
  CRegStoreFile* FileOf(const CRegKeyNode& key);
  CRegDirtyKey& Dirty(CRegKeyNode& key);
  void Record(CRegKeyNode& key, CRegStoreOp op);

  EMode m_mode = EMode::kClosed;
  std::string m_strDir;
  std::vector<CRegStoreFile> m_files;
  CRegDirtyMap m_dirty;
  CRegJournalRecord m_pending;
  std::unique_ptr<CRegJournal> m_journal;
  int m_fdLock = -1;
  CRegStoreStats m_stats;
  std::string m_strLastError;
};
