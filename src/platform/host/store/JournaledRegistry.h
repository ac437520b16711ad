// What the host's two stores share, the .reg files (FileRegistry.h) and
// the hives of an NT installation (hive/HiveRegistry.h): a registry in
// memory over files, each change noted for the files that hold its key and
// recorded in a journal (RegJournal.h) that carries it until those files
// take it in; and the rules by which several programs use one store at
// once, as programs share the Windows registry.
//
// A program holds the store's lock only during one registry call; at the
// start of each call it takes in what other programs changed since its
// last call (the records they appended to the journal, or everything when
// the files themselves were rewritten). Waiting for the lock is bounded
// (StoreLock.h): past the bound the call fails with ERROR_SHARING_VIOLATION
// and the trouble notice names the holder. Every call that changes
// something appends its changes to the journal at once (written, not
// synced), so they outlive the process, killed or not; RegFlushKey syncs
// the journal, so flushed changes also outlive a crash of the machine.
// Each program holds the store's users file shared while it has the store
// open; the first to open it alone takes in a journal left behind, and the
// last to close folds the journal into the files (the .reg store may keep a
// small one), with the journal synced before any file is replaced.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RegFileStamp.h"
#include "RegJournal.h"
#include "StoreLock.h"
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
  // Stores every change and leaves the store. The registry stays usable in
  // memory, but changes made afterwards are not stored.
  LONG Close(std::string* pstrError);
  bool IsOpen() const { return m_mode == EMode::kOpen; }

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
  // The names of the journal, lock and users file in the store's folder.
  struct CStoreNames {
    const char* pszJournal;
    const char* pszLock;
    const char* pszUsers;
  };
  explicit CJournaledRegistry(CStoreNames names) : m_names(names) {}
  std::string InStore(const char* pszName) const {
    return m_strDir + "/" + pszName;
  }

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

  // What each store does its own way. LoadFiles reads the store's files
  // into the roots (emptied before); FilePaths are those files, stamped to
  // tell when another program rewrote them; ForgetFiles drops what was
  // noted of them.
  virtual LONG LoadFiles(std::string* pstrError) = 0;
  virtual std::vector<std::string> FilePaths() const = 0;
  virtual void ForgetFiles() = 0;
  // A journal left behind, found by the first program to open the store
  // alone: taken into the files, or kept to be replayed.
  virtual LONG RecoverAlone(std::string* pstrError) = 0;
  // Writes the changed files from the journal, synced, then removes it.
  virtual LONG Fold(CRegJournal& journal, std::string* pstrError) = 0;
  // A journal small enough to keep at the last close instead of folding.
  virtual bool KeepsJournal(uint64_t /*nJournalBytes*/) const { return false; }
  // A journal read from its start, before it is replayed onto the files.
  virtual LONG CheckJournal(const std::vector<CRegJournalRecord>& /*records*/,
                            std::string* /*pstrError*/) const {
    return ERROR_SUCCESS;
  }
  // After a flush has synced the journal.
  virtual LONG OnFlushed(HKEY /*hKey*/, std::string* /*pstrError*/) {
    return ERROR_SUCCESS;
  }
  // A store opened at its first use (kDeferred) opens now.
  virtual LONG OpenNow(DWORD /*dwWaitMs*/, std::string* pstrError) {
    *pstrError = "registry store not open";
    return ERROR_CANTOPEN;
  }

  // Opens the store in m_strDir, waiting at most dwWaitMs for its lock:
  // joins the users, takes in a journal left behind when alone, reads the
  // files and the journal.
  LONG OpenStore(DWORD dwWaitMs, std::string* pstrError);
  // Leaves the store without storing anything more.
  void Leave();
  LONG JoinUsers(bool* pbAlone, std::string* pstrError);
  bool OnlyUser();
  void StampFiles();

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
  std::string m_strDir;  // the folder of the journal, lock and users file
  CRegJournalRecord m_pending;
  std::unique_ptr<CRegJournal> m_journal;
  std::unique_ptr<CStoreLock> m_lock;
  bool m_bGaveUp = false;  // a wait timed out: later calls don't wait again
  int m_nCallDepth = 0;
  CRegStoreStats m_stats;
  std::string m_strLastError;

 private:
  void Note(CRegKeyNode& key, CRegStoreOp op);
  // One registry call: takes the lock and the other programs' changes;
  // EndCall appends this call's changes and releases the lock.
  LONG BeginCall();
  LONG EndCall(LONG lResult);
  LONG OpenLocked(std::string* pstrError);
  template <class FCall>
  LONG Call(FCall call) {
    const LONG lBegin = BeginCall();
    return lBegin == ERROR_SUCCESS ? EndCall(call()) : lBegin;
  }
  void LeaveUsers();
  LONG CatchUp(std::string* pstrError);
  LONG ReadJournal(std::string* pstrError);
  LONG Reload(std::string* pstrError);
  bool FilesMoved() const;
  LONG Commit(std::string* pstrError);

  CStoreNames m_names;
  int m_fdUsers = -1;
  std::vector<CRegFileStamp> m_stamps;

  std::string m_strNoticed;
  std::string m_strToNotice;
  std::function<void(const std::string&)> m_notice;
};
