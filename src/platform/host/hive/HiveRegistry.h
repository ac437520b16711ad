// The host's registry on the hive files of a Windows NT installation (its
// system partition mounted below the machine directory): HKLM\SYSTEM,
// HKLM\SOFTWARE and HKU\.DEFAULT are the hives SYSTEM, SOFTWARE and DEFAULT
// of WINNT\system32\config, HKEY_CURRENT_USER (and HKU\<SID>, where the
// profile list names the profile) the user's NTUSER.DAT. HKLM\HARDWARE is
// volatile and empty, as on a machine that is not running; SAM and
// SECURITY are never opened.
//
// The hives are read whole when the store opens; a hive Windows would have
// to repair first (unequal sequence numbers, a wrong checksum) or that
// whose bins or cells are damaged is refused, and nothing is written.
// Durability is the .reg store's (JournaledRegistry.h): RegFlushKey appends
// the changes since the last flush to the journal quorrel.journal in the
// config folder and syncs it; a flush of HKLM, HKU or HKCU (the run's
// commit) and Close() do the same and only then write each changed hive
// anew (CHiveFile: a crash leaves it old or new, whole), keep SYSTEM.ALT
// equal to SYSTEM and remove the journal, which a crashed run's next open
// syncs and replays into the hives. One program at a time has the store
// open: it holds quorrel.lock in the same folder for its whole run, and
// another waits for it as long as for the .reg store's lock (StoreLock.h),
// then fails naming the holder.
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
  // Stores every change and releases the store.
  LONG Close(std::string* pstrError);
  bool IsOpen() const { return m_mode == EMode::kOpen; }

  LONG RegFlushKey(HKEY hKey) override;
  // "<path>: ... recovered from <file>" for each hive recovered on open;
  // it reaches its file with the store's next write of that hive.
  const std::vector<std::string>& Recovered() const { return m_recovered; }
  static const char kJournalName[];
  static const char kLockName[];

 protected:
  bool NoteChange(CRegKeyNode& key, const CRegStoreOp& op) override;

 private:
  // One hive and the key it is mounted at.
  struct CMount {
    std::string strPath;
    std::string strMirror;
    std::shared_ptr<CRegKeyNode> key;
    std::unique_ptr<CHiveFile> file;
    bool bDirty = false;
  };

  LONG CheckFiles(std::string* pstrError) const;
  // SYSTEM.ALT for SYSTEM; empty for the other hives.
  std::string MirrorOf(const std::string& strPath) const;
  LONG LoadHives(std::string* pstrError);
  LONG LoadHive(CMount& mount, std::string* pstrError);
  void AddMount(const std::string& strPath, std::shared_ptr<CRegKeyNode> key);
  void LinkProfileKey();
  LONG Recover(std::string* pstrError);
  LONG WriteChangedHives(std::string* pstrError);
  LONG SyncDirtyKey(const CRegKeyNode& key, std::string* pstrError);

  // The mount a live key is below; null for keys of no hive.
  CMount* MountOf(const CRegKeyNode& key);
  void MarkDirty(CRegKeyNode& key);
  CHiveMachine m_machine;
  std::vector<CMount> m_mounts;
  std::map<const CRegKeyNode*, std::shared_ptr<CRegKeyNode>> m_dirty;
  std::unique_ptr<CStoreLock> m_lock;
  std::vector<std::string> m_recovered;
  bool m_bSystemOnly = false;
};
