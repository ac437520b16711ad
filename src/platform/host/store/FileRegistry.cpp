#include "FileRegistry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "DurableFile.h"
#include "StoredRoots.h"
#include "platform/host/regfile/RegFileParser.h"
#include "platform/host/regfile/RegStoreLoader.h"

const char CFileRegistry::kJournalName[] = "store.journal";
const char CFileRegistry::kLockName[] = "store.lock";
const char CFileRegistry::kUsersName[] = "store.users";

CFileRegistry::CFileRegistry() = default;

CFileRegistry::~CFileRegistry() {
  std::string strError;
  Close(&strError);
}

LONG CFileRegistry::Open(const std::string& strDir, std::string* pstrError) {
  return Open(strDir, CStoreLock::DefaultTimeout(), pstrError);
}

void CFileRegistry::OpenAtFirstUse(const std::string& strDir) {
  if (m_mode != EMode::kClosed) return;
  m_strDir = strDir;
  m_mode = EMode::kDeferred;
}

LONG CFileRegistry::Open(const std::string& strDir, DWORD dwWaitMs,
                         std::string* pstrError) {
  if (m_mode != EMode::kClosed && m_mode != EMode::kDeferred) {
    *pstrError = "registry store already open";
    return ERROR_ALREADY_EXISTS;
  }
  m_strDir = strDir;
  if (strDir.empty()) {
    *pstrError = "no registry directory";
    return ERROR_PATH_NOT_FOUND;
  }
  LONG lResult = MakeDirectories(strDir, pstrError);
  if (lResult == ERROR_SUCCESS) {
    m_lock.reset(new CStoreLock(m_strDir + "/" + kLockName));
    lResult = m_lock->Acquire(dwWaitMs, pstrError);
  }
  if (lResult == ERROR_SUCCESS) lResult = OpenLocked(pstrError);
  if (lResult != ERROR_SUCCESS) {
    Leave();
    return lResult;
  }
  m_lock->Release();
  return ERROR_SUCCESS;
}

LONG CFileRegistry::OpenLocked(std::string* pstrError) {
  bool bAlone = false;
  LONG lResult = JoinUsers(&bAlone, pstrError);
  // Only a program alone on the store may fold a journal into the files:
  // the others read the journal as they go.
  if (lResult == ERROR_SUCCESS && bAlone) {
    lResult = Recover(false, nullptr, pstrError);
    // Files that can't be written now (a full disk) leave the journal as it
    // is: it is replayed below instead, and folded in by a later close.
    if (lResult == ERROR_CANTWRITE) lResult = ERROR_SUCCESS;
  }
  if (lResult == ERROR_SUCCESS && bAlone)
    flock(m_fdUsers, LOCK_SH);  // lock held: no one can be in between
  m_journal.reset(new CRegJournal(m_strDir + "/" + kJournalName));
  if (lResult == ERROR_SUCCESS) lResult = LoadFiles(pstrError);
  if (lResult == ERROR_SUCCESS) lResult = ReadJournal(pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  StampFiles();
  m_mode = EMode::kOpen;
  return ERROR_SUCCESS;
}

LONG CFileRegistry::JoinUsers(bool* pbAlone, std::string* pstrError) {
  const std::string strPath = m_strDir + "/" + kUsersName;
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

bool CFileRegistry::OnlyUser() {
  // Taken with the store's lock held, so that no program joins meanwhile.
  return flock(m_fdUsers, LOCK_EX | LOCK_NB) == 0;
}

void CFileRegistry::LeaveUsers() {
  if (m_fdUsers >= 0) close(m_fdUsers);  // releases the lock
  m_fdUsers = -1;
}

void CFileRegistry::Leave() {
  m_journal.reset();
  LeaveUsers();
  if (m_lock) m_lock->Release();
  m_mode = EMode::kClosed;
  m_dirty.clear();
}

LONG CFileRegistry::LoadFiles(std::string* pstrError) {
  m_mode = EMode::kLoading;
  m_files.clear();
  for (const auto& root : kStoredRoots) {
    CRegStoreFile file;
    file.hRoot = root.hRoot;
    file.strRootName = root.pszName;
    file.strPath = m_strDir + "/" + root.pszName + ".reg";
    m_files.push_back(std::move(file));
  }
  for (auto& file : m_files) {
    const LONG lResult = LoadFile(&file, pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
  }
  return ERROR_SUCCESS;
}

LONG CFileRegistry::LoadFile(CRegStoreFile* pFile, std::string* pstrError) {
  const LONG lResult =
      ReadWholeFile(pFile->strPath, kMaxRegFileBytes, &pFile->strRaw,
                    &pFile->bExists, pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  return LoadStoreFile(pFile, RootNode(pFile->hRoot), pstrError);
}

LONG CFileRegistry::Close(std::string* pstrError) {
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

LONG CFileRegistry::Commit(std::string* pstrError) {
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
