// The host's registry: the in-memory registry kept in a directory of files,
// one a root key, in the registry's own export format:
// HKEY_LOCAL_MACHINE.reg, HKEY_USERS.reg and HKEY_CURRENT_USER.reg (a
// missing file is an empty root; HKEY_CLASSES_ROOT is not stored).
//
// Several programs use one store at once, as programs share the Windows
// registry. A program holds the store's lock (store.lock) only during one
// registry call; at the start of each call it takes in what other programs
// changed since its last call (the records they appended to the journal,
// or everything when the files themselves were rewritten). Waiting for the
// lock is bounded (StoreLock.h): past the bound the call fails with
// ERROR_SHARING_VIOLATION and the trouble notice names the holder.
//
// Durability: every call that changes something appends its changes to
// the journal store.journal at once (written, not synced), so they outlive
// the process, killed or not. RegFlushKey syncs the journal: flushed
// changes also outlive a crash of the machine. Each program registers on
// store.users while it has the store open. The last one to close keeps a
// journal that is small against the files (at most 1/16 of their bytes and
// at most 8 MB), synced, and leaves the files as they are: every open
// replays it. A larger journal is folded in: each changed root file is
// written anew (temporary file, fsync, rename, fsync of the directory),
// only once the journal covering the rewrite is whole and synced, and then
// the journal goes. The first program to open a store alone that finds a
// journal past that bound (grown over runs, or left by a crash) replays it
// and writes the files at once. A journal damaged before its last record
// is refused, and kept, with the files, as it is.
//
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RegFileStamp.h"
#include "RegJournal.h"
#include "StoreLock.h"
#include "platform/host/regfile/RegStoreFile.h"
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

  // Reads the store in strDir (created when missing), waiting for it at
  // most dwWaitMs (the default bound when omitted). A file that can't be
  // read is refused, and left as it is: ERROR_BADDB with *pstrError naming
  // the file and line ("<path>: line N: <reason>").
  LONG Open(const std::string& strDir, std::string* pstrError);
  LONG Open(const std::string& strDir, DWORD dwWaitMs, std::string* pstrError);
  // Opens the store at its first use instead, as a program does that must
  // not wait before it has started (the store was busy when it tried).
  void OpenAtFirstUse(const std::string& strDir);
  // Stores every change and leaves the store. The registry stays usable in
  // memory, but changes made afterwards are not stored.
  LONG Close(std::string* pstrError);
  bool IsOpen() const { return m_mode == EMode::kOpen; }

  // Told, once for each new reason, when a call fails because the store
  // can't be read or written (busy past the bound, disk full, damaged).
  // Folds the journal left in strDir into the files whatever its size, as
  // the last program to close folds one past its bound; taken alone, with
  // no other program on the store. A file changed since the journal began
  // gets its changes replayed over it: *pstrNotice then says so.
  static LONG FoldStore(const std::string& strDir, std::string* pstrNotice,
                        std::string* pstrError);

  void SetTroubleNotice(std::function<void(const std::string&)> notice) {
    m_notice = std::move(notice);
  }

  LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, HKEY* phkResult,
                       DWORD* pdwDisposition) override;
  LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey, HKEY* phkResult) override;
  LONG RegFlushKey(HKEY hKey) override;
  LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpType,
                        BYTE* lpData, DWORD* lpcbData) override;
  LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD dwType,
                      const BYTE* lpData, DWORD cbData) override;
  LONG RegDeleteValueA(HKEY hKey, const char* lpValueName) override;
  LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey) override;
  LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, char* lpName,
                     DWORD* lpcchName) override;
  LONG RegQueryInfoKeyA(HKEY hKey, char* lpClass, DWORD* lpcchClass,
                        DWORD* lpcSubKeys, DWORD* lpcValues) override;
  LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, char* lpValueName,
                     DWORD* lpcchValueName, DWORD* lpType, BYTE* lpData,
                     DWORD* lpcbData) override;

  const CRegStoreStats& Stats() const { return m_stats; }
  // The reason of the last failed call, flush or close.
  const std::string& LastError() const { return m_strLastError; }

  static const char kJournalName[];
  static const char kLockName[];
  static const char kUsersName[];

 protected:
  void OnKeyCreated(CRegKeyNode& key) override;
  void OnKeyDeleted(CRegKeyNode& parent, const std::string& strName) override;
  void OnValueSet(CRegKeyNode& key, const CRegValue& value) override;
  void OnValueDeleted(CRegKeyNode& key, const std::string& strName) override;

 private:
  enum class EMode { kClosed, kDeferred, kLoading, kReplaying, kOpen };

  // One registry call: takes the lock and the other programs' changes;
  // EndCall appends this call's changes and releases the lock.
  LONG BeginCall();
  LONG EndCall(LONG lResult);
  LONG Fail(LONG lResult, const std::string& strError);
  void Notify();
  LONG OpenLocked(std::string* pstrError);
  LONG JoinUsers(bool* pbAlone, std::string* pstrError);
  bool OnlyUser();
  void LeaveUsers();
  LONG CatchUp(std::string* pstrError);
  LONG ReadJournal(std::string* pstrError);
  LONG Reload(std::string* pstrError);
  bool FilesMoved() const;
  void StampFiles();
  LONG Commit(std::string* pstrError);
  void Leave();

  LONG LoadFiles(std::string* pstrError);
  LONG LoadFile(CRegStoreFile* pFile, std::string* pstrError);
  // bAlways: fold whatever the journal's size, over files changed since it
  // began (FoldStore); otherwise a file changed so refuses the store.
  LONG Recover(bool bAlways, std::string* pstrNotice, std::string* pstrError);
  // A journal small against the files it changes is kept and replayed at
  // each open instead of folded into them: rewriting a large file for a
  // small change costs more than reading the change back.
  bool KeepsJournal(uint64_t nJournalBytes) const;
  void Replay(const std::vector<CRegJournalRecord>& records);
  // Writes each changed file, after the journal's mark of what it becomes,
  // then removes the journal.
  LONG Fold(CRegJournal& journal, std::string* pstrError);
  // The journal's first record marks the files it began on; the path of the
  // first file that is neither that nor what a fold made of it (a hand
  // edit since), or empty.
  CRegJournalRecord BaseMarks() const;
  std::string ChangedSinceJournal(
      const std::vector<CRegJournalRecord>& records) const;
  LONG RefuseChanged(const std::string& strFile, std::string* pstrError) const;
  LONG AppendPending(std::string* pstrError);
  void PrintStats() const;

  // The file of the root a key is in; null for HKEY_CLASSES_ROOT.
  CRegStoreFile* FileOf(const CRegKeyNode& key);
  CRegDirtyKey& Dirty(CRegKeyNode& key);
  void Record(CRegKeyNode& key, CRegStoreOp op);

  EMode m_mode = EMode::kClosed;
  std::string m_strDir;
  std::vector<CRegStoreFile> m_files;
  std::vector<CRegFileStamp> m_stamps;
  CRegDirtyMap m_dirty;
  CRegJournalRecord m_pending;
  std::unique_ptr<CRegJournal> m_journal;
  std::unique_ptr<CStoreLock> m_lock;
  int m_fdUsers = -1;
  int m_nCallDepth = 0;
  DWORD m_dwWaitMs = 0;
  bool m_bGaveUp = false;  // a wait timed out: later calls don't wait again
  CRegStoreStats m_stats;
  std::string m_strLastError;
  std::string m_strNoticed;
  std::string m_strToNotice;
  std::function<void(const std::string&)> m_notice;
};
