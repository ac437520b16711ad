// How several programs share a store: each registers on the users file
// while it has the store open (so that a program can tell it is alone),
// and at each call takes in what the others changed: the records they
// appended to the journal since its last call are replayed onto its
// registry; when the files themselves were rewritten, the whole store is
// read again and open handles move to the keys of the same path.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "JournaledRegistry.h"

LONG CJournaledRegistry::OpenStore(DWORD dwWaitMs, std::string* pstrError) {
  m_lock.reset(new CStoreLock(InStore(m_names.pszLock)));
  LONG lResult = m_lock->Acquire(dwWaitMs, pstrError);
  if (lResult == ERROR_SUCCESS) lResult = OpenLocked(pstrError);
  if (lResult != ERROR_SUCCESS) {
    Leave();
    return lResult;
  }
  m_lock->Release();
  return ERROR_SUCCESS;
}

LONG CJournaledRegistry::OpenLocked(std::string* pstrError) {
  bool bAlone = false;
  LONG lResult = JoinUsers(&bAlone, pstrError);
  // Only a program alone on the store may fold a journal into the files:
  // the others read the journal as they go.
  if (lResult == ERROR_SUCCESS && bAlone) {
    lResult = RecoverAlone(pstrError);
    // Files that can't be written now (a full disk) leave the journal as it
    // is: it is replayed below instead, and folded in by a later close.
    if (lResult == ERROR_CANTWRITE) lResult = ERROR_SUCCESS;
  }
  if (lResult == ERROR_SUCCESS && bAlone)
    flock(m_fdUsers, LOCK_SH);  // lock held: no one can be in between
  m_journal.reset(new CRegJournal(InStore(m_names.pszJournal)));
  if (lResult == ERROR_SUCCESS) lResult = LoadFiles(pstrError);
  if (lResult == ERROR_SUCCESS) lResult = ReadJournal(pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  StampFiles();
  m_mode = EMode::kOpen;
  return ERROR_SUCCESS;
}

LONG CJournaledRegistry::JoinUsers(bool* pbAlone, std::string* pstrError) {
  const std::string strPath = InStore(m_names.pszUsers);
  m_fdUsers = open(strPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (m_fdUsers < 0) {
    *pstrError = strPath + ": cannot open: " + std::strerror(errno);
    return ERROR_CANTOPEN;
  }
  *pbAlone = OnlyUser();
  if (*pbAlone) return ERROR_SUCCESS;
  while (flock(m_fdUsers, LOCK_SH) != 0) {
    if (errno == EINTR) continue;
    *pstrError = strPath + ": cannot lock: " + std::strerror(errno);
    return ERROR_CANTOPEN;
  }
  return ERROR_SUCCESS;
}

bool CJournaledRegistry::OnlyUser() {
  // Taken with the store's lock held, so that no program joins meanwhile.
  return flock(m_fdUsers, LOCK_EX | LOCK_NB) == 0;
}

void CJournaledRegistry::LeaveUsers() {
  if (m_fdUsers >= 0) close(m_fdUsers);  // releases the lock
  m_fdUsers = -1;
}

void CJournaledRegistry::Leave() {
  m_journal.reset();
  LeaveUsers();
  if (m_lock) m_lock->Release();
  m_mode = EMode::kClosed;
  ForgetFiles();
}

LONG CJournaledRegistry::Close(std::string* pstrError) {
  if (m_mode == EMode::kDeferred) m_mode = EMode::kClosed;
  if (m_mode != EMode::kOpen) return ERROR_SUCCESS;
  LONG lResult =
      m_lock->Acquire(m_bGaveUp ? 0 : CStoreLock::DefaultTimeout(), pstrError);
  if (lResult == ERROR_SUCCESS) lResult = Commit(pstrError);
  if (lResult != ERROR_SUCCESS) m_strLastError = *pstrError;
  Leave();
  PrintStats();
  return lResult;
}

LONG CJournaledRegistry::Commit(std::string* pstrError) {
  // Another program's last changes first: the files written below must hold
  // every record of the journal they replace.
  LONG lResult = CatchUp(pstrError);
  // The journal covering the rewrite is whole and synced, or nothing is
  // renamed: a crash between two renames is then repaired by replaying it.
  if (lResult == ERROR_SUCCESS) lResult = SyncJournal(pstrError);
  if (lResult != ERROR_SUCCESS || !OnlyUser()) return lResult;
  if (KeepsJournal(m_journal->Size())) return ERROR_SUCCESS;
  return Fold(*m_journal, pstrError);
}

void CJournaledRegistry::StampFiles() {
  m_stamps.clear();
  for (const auto& strPath : FilePaths()) m_stamps.push_back(StampOf(strPath));
}

bool CJournaledRegistry::FilesMoved() const {
  const std::vector<std::string> paths = FilePaths();
  // No stamps: the last reload failed, and every call tries it again.
  if (m_stamps.size() != paths.size()) return true;
  for (size_t i = 0; i < paths.size(); ++i)
    if (!(StampOf(paths[i]) == m_stamps[i])) return true;
  return false;
}

LONG CJournaledRegistry::ReadJournal(std::string* pstrError) {
  std::vector<CRegJournalRecord> records;
  bool bReplaced = false;
  LONG lResult = m_journal->ReadNew(&records, &bReplaced, pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  if (bReplaced) return Reload(pstrError);
  // A journal another program began since: on the files as this one read
  // them.
  lResult = CheckJournal(records, pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  const EMode mode = m_mode;
  if (!records.empty()) Replay(records);
  m_mode = mode;
  return ERROR_SUCCESS;
}

LONG CJournaledRegistry::CatchUp(std::string* pstrError) {
  if (FilesMoved()) return Reload(pstrError);
  return ReadJournal(pstrError);
}

LONG CJournaledRegistry::Reload(std::string* pstrError) {
  const std::map<HKEY, std::string> handles = OpenHandlePaths();
  for (HKEY hRoot : {HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_USER})
    DetachRegSubtree(*RootNode(hRoot));
  ForgetFiles();
  m_journal->CloseFile();
  LONG lResult = LoadFiles(pstrError);
  std::vector<CRegJournalRecord> records;
  bool bReplaced = false;
  if (lResult == ERROR_SUCCESS)
    lResult = m_journal->ReadNew(&records, &bReplaced, pstrError);
  if (lResult == ERROR_SUCCESS) lResult = CheckJournal(records, pstrError);
  if (lResult == ERROR_SUCCESS) Replay(records);
  m_mode = EMode::kOpen;
  StampFiles();
  if (lResult != ERROR_SUCCESS) m_stamps.clear();
  RebindHandles(handles);
  return lResult;
}
