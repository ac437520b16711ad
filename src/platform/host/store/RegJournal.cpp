#include "RegJournal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "DurableFile.h"

namespace {
std::string Reason(const std::string& strPath, const char* pszWhat) {
  return strPath + ": " + pszWhat + ": " + std::strerror(errno);
}
}  // namespace

CRegJournal::~CRegJournal() { CloseFile(); }

void CRegJournal::CloseFile() {
  if (m_fd >= 0) close(m_fd);
  m_fd = -1;
  m_bKnown = false;
  m_nSeen = 0;
  m_bUnsynced = false;
}

LONG CRegJournal::Create(std::string* pstrError) {
  m_fd = open(m_strPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (m_fd < 0) {
    *pstrError = Reason(m_strPath, "cannot create");
    return ERROR_CANTWRITE;
  }
  struct stat st = {};
  if (!WriteAll(m_fd, kJournalMagic, sizeof kJournalMagic) ||
      fdatasync(m_fd) != 0 || fstat(m_fd, &st) != 0) {
    *pstrError = Reason(m_strPath, "cannot write");
    close(m_fd);
    m_fd = -1;
    unlink(m_strPath.c_str());
    return ERROR_CANTWRITE;
  }
  m_bKnown = true;
  m_nDevice = st.st_dev;
  m_nInode = st.st_ino;
  m_nSeen = sizeof kJournalMagic;
  m_nBytesWritten += m_nSeen;
  return SyncDirectoryOf(m_strPath, pstrError);
}

LONG CRegJournal::OpenExisting(std::string* pstrError) {
  m_fd = open(m_strPath.c_str(), O_RDWR | O_CLOEXEC);
  struct stat st = {};
  if (m_fd < 0 || fstat(m_fd, &st) != 0) {
    *pstrError = Reason(m_strPath, "cannot open");
    CloseFile();
    return ERROR_CANTOPEN;
  }
  m_bKnown = true;
  m_nDevice = st.st_dev;
  m_nInode = st.st_ino;
  m_nSeen = 0;
  // Its writer may not have synced it (killed first): a sync covers what
  // it wrote too, before files take it in.
  m_bUnsynced = true;
  return ERROR_SUCCESS;
}

LONG CRegJournal::ReadNew(std::vector<CRegJournalRecord>* pRecords,
                          bool* pbReplaced, std::string* pstrError) {
  *pbReplaced = false;
  struct stat st = {};
  const bool bThere = stat(m_strPath.c_str(), &st) == 0;
  if (!bThere && errno != ENOENT) {
    *pstrError = Reason(m_strPath, "cannot read");
    return ERROR_CANTREAD;
  }
  const bool bSame = bThere && m_fd >= 0 && st.st_dev == m_nDevice &&
                     st.st_ino == m_nInode &&
                     static_cast<uint64_t>(st.st_size) >= m_nSeen;
  if (m_bKnown && !bSame) {
    *pbReplaced = true;
    CloseFile();
    return ERROR_SUCCESS;
  }
  if (!bThere) return ERROR_SUCCESS;
  if (m_fd < 0) {
    const LONG lResult = OpenExisting(pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
  }
  return ReadTail(static_cast<uint64_t>(st.st_size), pRecords, pstrError);
}

LONG CRegJournal::ReadTail(uint64_t nSize,
                           std::vector<CRegJournalRecord>* pRecords,
                           std::string* pstrError) {
  const uint64_t nFrom = m_nSeen;
  if (nSize == nFrom) return ERROR_SUCCESS;
  std::string strBytes(nSize - nFrom, '\0');
  size_t nDone = 0;
  while (nDone < strBytes.size()) {
    const ssize_t n = pread(m_fd, &strBytes[nDone], strBytes.size() - nDone,
                            static_cast<off_t>(nFrom + nDone));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    nDone += static_cast<size_t>(n);
  }
  strBytes.resize(nDone);
  size_t nHeader = 0;
  if (nFrom == 0) {
    // A crash while the journal was being created can leave part of its
    // header: that is an empty journal, made whole by the next append.
    nHeader = std::min(strBytes.size(), sizeof kJournalMagic);
    if (std::memcmp(strBytes.data(), kJournalMagic, nHeader) != 0) {
      *pstrError = m_strPath +
                   ": not a registry journal; the journal and the files are "
                   "kept as they are";
      return ERROR_BADDB;
    }
    if (nHeader < sizeof kJournalMagic) return CutBack(0, pstrError);
  }
  size_t nWhole = 0;
  std::string strWhy;
  if (!DecodeJournalRecords(strBytes.data() + nHeader,
                            strBytes.size() - nHeader, pRecords, &nWhole,
                            &strWhy)) {
    *pstrError = m_strPath + ": damaged record at byte " +
                 std::to_string(nFrom + nHeader + nWhole) +
                 ", before intact ones; the journal and the files are kept "
                 "as they are";
    return ERROR_REGISTRY_CORRUPT;
  }
  m_nSeen = nFrom + nHeader + nWhole;
  if (m_nSeen < nSize) return CutBack(m_nSeen, pstrError);
  return ERROR_SUCCESS;
}

LONG CRegJournal::CutBack(uint64_t nSize, std::string* pstrError) {
  if (ftruncate(m_fd, static_cast<off_t>(nSize)) != 0) {
    *pstrError = Reason(m_strPath, "cannot cut off a torn record");
    return ERROR_CANTWRITE;
  }
  m_nSeen = nSize;
  return ERROR_SUCCESS;
}

LONG CRegJournal::Append(const CRegJournalRecord& ops, std::string* pstrError) {
  if (m_fd < 0) {
    const LONG lResult = Create(pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
  }
  if (m_nSeen < sizeof kJournalMagic) {
    // A header cut short by a crash is written anew before the first record.
    if (pwrite(m_fd, kJournalMagic, sizeof kJournalMagic, 0) !=
        static_cast<ssize_t>(sizeof kJournalMagic)) {
      *pstrError = Reason(m_strPath, "cannot write");
      return ERROR_REGISTRY_IO_FAILED;
    }
    m_nSeen = sizeof kJournalMagic;
  }
  const std::string strRecord = EncodeJournalRecord(ops);
  if (lseek(m_fd, static_cast<off_t>(m_nSeen), SEEK_SET) >= 0 &&
      WriteAll(m_fd, strRecord.data(), strRecord.size())) {
    m_nSeen += strRecord.size();
    m_nBytesWritten += strRecord.size();
    m_bUnsynced = true;
    return ERROR_SUCCESS;
  }
  *pstrError = Reason(m_strPath, "cannot write");
  std::string strIgnored;
  CutBack(m_nSeen, &strIgnored);
  return ERROR_REGISTRY_IO_FAILED;
}

LONG CRegJournal::Sync(std::string* pstrError) {
  if (!m_bUnsynced || m_fd < 0) return ERROR_SUCCESS;
  if (fdatasync(m_fd) != 0) {
    *pstrError = Reason(m_strPath, "cannot sync");
    return ERROR_REGISTRY_IO_FAILED;
  }
  m_bUnsynced = false;
  TellDurableStep("sync", m_strPath);
  return ERROR_SUCCESS;
}
