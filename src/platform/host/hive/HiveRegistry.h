// The host's registry on the hive files of a Windows NT installation (its
// system partition mounted below the machine directory): HKLM\SYSTEM,
// HKLM\SOFTWARE and HKU\.DEFAULT are the hives SYSTEM, SOFTWARE and DEFAULT
// of WINNT\system32\config, HKEY_CURRENT_USER (and HKU\<SID>, where the
// profile list names the profile) the user's NTUSER.DAT. HKLM\HARDWARE is
// volatile and empty, as on a machine that is not running; SAM and
// SECURITY are never opened.
//
// The hives are read whole when the store opens, each once: the check made
// before the store writes any file is what it loads, unless the file
// changed in between; a hive Windows would have to repair first (unequal
// sequence numbers, a wrong checksum) or that whose bins or cells are
// damaged is refused, and nothing is written.
// Several programs use the store at once as they use the .reg store
// (JournaledRegistry.h), with quorrel.lock, quorrel.users and the journal
// quorrel.journal in the config folder. A flush of HKLM, HKU or HKCU is
// the run's commit: the journal synced, each changed hive is written anew
// (CHiveFile: a crash leaves it old or new, whole) and SYSTEM.ALT kept
// equal to SYSTEM, so that Windows finds the change; the others then read
// the hives again at their next call. The last program to close writes
// what is left and removes the journal; the first to open the store alone
// syncs a journal left by a crashed run and replays it into the hives.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "HiveFile.h"
#include "HiveMachine.h"
#include "platform/host/store/JournaledRegistry.h"
#include "platform/host/store/StoreLock.h"

class CHiveRegistry : public CJournaledRegistry {
 public:
  CHiveRegistry();
  // Closes the store when still open; errors are lost: call Close().
  ~CHiveRegistry() override;
  CHiveRegistry(const CHiveRegistry&) = delete;
  CHiveRegistry& operator=(const CHiveRegistry&) = delete;

  LONG Open(const CHiveMachine& machine, std::string* pstrError);
  // Before Open: only SYSTEM is read and mounted (a run that needs no other
  // hive, such as the silent update, is not stopped by one it would not
  // touch). A journal left by another run still brings in every hive.
  void OpenSystemOnly() { m_bSystemOnly = true; }
  // "<path>: ... recovered from <file>" for each hive recovered on open;
  // it reaches its file with the store's next write of that hive.
  const std::vector<std::string>& Recovered() const { return m_recovered; }

  static const char kJournalName[];
  static const char kLockName[];
  static const char kUsersName[];

 protected:
  bool NoteChange(CRegKeyNode& key, const CRegStoreOp& op) override;
  LONG LoadFiles(std::string* pstrError) override;
  std::vector<std::string> FilePaths() const override;
  void ForgetFiles() override;
  LONG RecoverAlone(std::string* pstrError) override;
  // Syncs the journal, writes every changed hive, removes the journal.
  LONG Fold(CRegJournal& journal, std::string* pstrError) override;
  // A flush of a root writes every changed hive.
  LONG OnFlushed(HKEY hKey, std::string* pstrError) override;

 private:
  // One hive and the key it is mounted at.
  struct CMount {
    std::string strPath;
    std::string strMirror;
    std::shared_ptr<CRegKeyNode> key;
    std::unique_ptr<CHiveFile> file;
    bool bDirty = false;
  };
  // A hive the check read, kept for the load.
  struct CChecked {
    std::string strPath;
    CRegFileStamp stamp;  // taken before the read
    std::unique_ptr<CHiveFile> file;
  };

  LONG CheckFiles(std::string* pstrError);
  // The check's hive at strPath when its file is unchanged since; else null.
  std::unique_ptr<CHiveFile> TakeChecked(const std::string& strPath);
  // SYSTEM.ALT for SYSTEM; empty for the other hives.
  std::string MirrorOf(const std::string& strPath) const;
  LONG LoadHive(CMount& mount, std::string* pstrError);
  void AddMount(const std::string& strPath, std::shared_ptr<CRegKeyNode> key);
  void LinkProfileKey();
  LONG WriteChangedHives(std::string* pstrError);
  LONG SyncDirtyKey(const CRegKeyNode& key, std::string* pstrError);

  // The mount a live key is below; null for keys of no hive.
  CMount* MountOf(const CRegKeyNode& key);
  void MarkDirty(CRegKeyNode& key);
  CHiveMachine m_machine;
  std::vector<CMount> m_mounts;
  std::vector<CChecked> m_checked;  // until the first load
  std::map<const CRegKeyNode*, std::shared_ptr<CRegKeyNode>> m_dirty;
  std::vector<std::string> m_recovered;
  bool m_bSystemOnly = false;
  bool m_bUnmountedChanges = false;  // replayed, to a hive not opened
};
