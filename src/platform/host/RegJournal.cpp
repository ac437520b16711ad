#include "RegJournal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "DurableFile.h"

CRegJournal::~CRegJournal() { CloseFile(); }

void CRegJournal::CloseFile() {
  if (m_fd >= 0) close(m_fd);
  m_fd = -1;
}

LONG CRegJournal::Create(std::string* pstrError) {
  m_fd =
      open(m_strPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (m_fd < 0) {
    *pstrError = m_strPath + ": cannot create: " + std::strerror(errno);
    return ERROR_CANTWRITE;
  }
  if (!WriteAll(m_fd, kJournalMagic, sizeof kJournalMagic) ||
      fdatasync(m_fd) != 0) {
    *pstrError = m_strPath + ": cannot write: " + std::strerror(errno);
    CloseFile();
    return ERROR_CANTWRITE;
  }
  m_nSize = sizeof kJournalMagic;
  m_nBytesWritten += m_nSize;
  return SyncDirectoryOf(m_strPath, pstrError);
}

LONG CRegJournal::Append(const CRegJournalRecord& ops, std::string* pstrError) {
  if (m_bBroken) {
    *pstrError = m_strPath + ": journal unusable after a failed write";
    return ERROR_REGISTRY_IO_FAILED;
  }
  if (m_fd < 0) {
    const LONG lResult = Create(pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
  }
  const std::string strRecord = EncodeJournalRecord(ops);
  if (WriteAll(m_fd, strRecord.data(), strRecord.size()) &&
      fdatasync(m_fd) == 0) {
    m_nSize += strRecord.size();
    m_nBytesWritten += strRecord.size();
    return ERROR_SUCCESS;
  }
  *pstrError = m_strPath + ": cannot write: " + std::strerror(errno);
  if (ftruncate(m_fd, static_cast<off_t>(m_nSize)) != 0 ||
      lseek(m_fd, static_cast<off_t>(m_nSize), SEEK_SET) < 0)
    m_bBroken = true;
  return ERROR_REGISTRY_IO_FAILED;
}
