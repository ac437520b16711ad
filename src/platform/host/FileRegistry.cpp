#include "FileRegistry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "DurableFile.h"
#include "RegFileParser.h"
#include "RegStoreLoader.h"
#include "RegStoreRenderer.h"

const char CFileRegistry::kJournalName[] = "store.journal";
const char CFileRegistry::kLockName[] = "store.lock";

namespace {
const struct {
  HKEY hRoot;
  const char* pszName;
} kStoredRoots[] = {{HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
                    {HKEY_USERS, "HKEY_USERS"},
                    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"}};

}  // namespace

CFileRegistry::CFileRegistry() = default;

CFileRegistry::~CFileRegistry() {
  std::string strError;
  Close(&strError);
  Unlock();
}

LONG CFileRegistry::Lock(std::string* pstrError) {
  const std::string strPath = m_strDir + "/" + kLockName;
  m_fdLock = open(strPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (m_fdLock < 0) {
    *pstrError = strPath + ": cannot open: " + std::strerror(errno);
    return ERROR_CANTOPEN;
  }
  while (flock(m_fdLock, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    *pstrError = strPath + ": cannot lock: " + std::strerror(errno);
    Unlock();
    return ERROR_CANTOPEN;
  }
  return ERROR_SUCCESS;
}

void CFileRegistry::Unlock() {
  if (m_fdLock >= 0) close(m_fdLock);  // releases the lock
  m_fdLock = -1;
}

LONG CFileRegistry::Open(const std::string& strDir, std::string* pstrError) {
  if (m_mode != EMode::kClosed) {
    *pstrError = "registry store already open";
    return ERROR_ALREADY_EXISTS;
  }
  m_strDir = strDir;
  if (strDir.empty()) {
    *pstrError = "no registry directory";
    return ERROR_PATH_NOT_FOUND;
  }
  LONG lResult = MakeDirectories(strDir, pstrError);
  if (lResult == ERROR_SUCCESS) lResult = Lock(pstrError);
  if (lResult == ERROR_SUCCESS) lResult = Recover(pstrError);
  if (lResult == ERROR_SUCCESS) lResult = LoadFiles(pstrError);
  if (lResult != ERROR_SUCCESS) {
    m_mode = EMode::kClosed;
    Unlock();
    return lResult;
  }
  m_journal.reset(new CRegJournal(m_strDir + "/" + kJournalName));
  m_mode = EMode::kOpen;
  return ERROR_SUCCESS;
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

LONG CFileRegistry::WriteChangedFiles(std::string* pstrError) {
  for (auto& file : m_files) {
    if (!file.bDirty) continue;
    const std::string strBytes =
        RenderStoreFile(file, RootNode(file.hRoot), m_dirty);
    const LONG lResult = ReplaceFileDurably(file.strPath, strBytes, pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
    ++m_stats.nFilesWritten;
    m_stats.nFileBytes += strBytes.size();
    file.bDirty = false;
  }
  return ERROR_SUCCESS;
}

LONG CFileRegistry::Close(std::string* pstrError) {
  if (m_mode != EMode::kOpen) return ERROR_SUCCESS;
  // The journal first holds every change the files are about to: a crash
  // between two file renames is then repaired by replaying it.
  std::string strAppendError;
  if (!m_pending.empty()) AppendPending(&strAppendError);
  LONG lResult = WriteChangedFiles(pstrError);
  if (lResult == ERROR_SUCCESS) {
    m_journal->CloseFile();
    lResult = RemoveFileDurably(m_journal->Path(), pstrError);
  }
  if (lResult != ERROR_SUCCESS) m_strLastError = *pstrError;
  m_journal.reset();
  m_mode = EMode::kClosed;
  m_dirty.clear();
  Unlock();
  PrintStats();
  return lResult;
}

void CFileRegistry::PrintStats() const {
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
