#include "HiveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "HiveBaseBlock.h"
#include "platform/host/store/DurableFile.h"

namespace {
LONG Failed(const std::string& strPath, const std::string& strWhat,
            std::string* pstrError) {
  *pstrError = strPath + ": " + strWhat + ": " + std::strerror(errno);
  return ERROR_WRITE_FAULT;
}

LONG SyncFile(const std::string& strPath, std::string* pstrError) {
  const int fd = open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Failed(strPath, "cannot open", pstrError);
  const bool bSynced = fsync(fd) == 0;
  close(fd);
  return bSynced ? ERROR_SUCCESS : Failed(strPath, "cannot sync", pstrError);
}
}  // namespace

CHiveFile::~CHiveFile() {
  if (m_pHive != nullptr) hivex_close(m_pHive);
}

LONG CHiveFile::Open(const std::string& strPath, bool bWritable,
                     std::string* pstrError) {
  m_strPath = strPath;
  const std::string strFault = CheckHiveFile(strPath);
  if (!strFault.empty()) {
    *pstrError = strFault;
    return ERROR_BADDB;
  }
  m_pHive = hivex_open(strPath.c_str(), bWritable ? HIVEX_OPEN_WRITE : 0);
  if (m_pHive == nullptr) {
    *pstrError = strPath + ": the hive can't be read: " + std::strerror(errno);
    return ERROR_BADDB;
  }
  return ERROR_SUCCESS;
}

hive_node_h CHiveFile::Root() const {
  return m_pHive ? hivex_root(m_pHive) : 0;
}

LONG CHiveFile::CommitTo(const std::string& strTemp, uint64_t* pcbWritten,
                         std::string* pstrError) {
  if (hivex_commit(m_pHive, strTemp.c_str(), 0) != 0) {
    const LONG lResult = Failed(strTemp, "cannot write the hive", pstrError);
    unlink(strTemp.c_str());
    return lResult;
  }
  // The new file keeps the old one's permissions.
  struct stat st;
  if (stat(m_strPath.c_str(), &st) == 0) chmod(strTemp.c_str(), st.st_mode);
  if (stat(strTemp.c_str(), &st) == 0) *pcbWritten += st.st_size;
  LONG lResult = SyncFile(strTemp, pstrError);
  if (lResult == ERROR_SUCCESS && rename(strTemp.c_str(), m_strPath.c_str()))
    lResult = Failed(m_strPath, "cannot replace", pstrError);
  if (lResult != ERROR_SUCCESS) {
    unlink(strTemp.c_str());
    return lResult;
  }
  return SyncDirectoryOf(m_strPath, pstrError);
}

LONG CHiveFile::Commit(const std::string& strMirror, uint64_t* pcbWritten,
                       std::string* pstrError) {
  LONG lResult = CommitTo(TempPathOf(m_strPath), pcbWritten, pstrError);
  if (lResult != ERROR_SUCCESS || strMirror.empty()) return lResult;
  struct stat mirror;
  if (stat(strMirror.c_str(), &mirror) != 0) return ERROR_SUCCESS;
  // A second commit would raise the sequence numbers again: the mirror
  // gets the very bytes of the new hive.
  std::string strBytes;
  bool bExists = false;
  lResult =
      ReadWholeFile(m_strPath, size_t{1} << 31, &strBytes, &bExists, pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  *pcbWritten += strBytes.size();
  return ReplaceFileDurably(strMirror, strBytes, pstrError);
}
