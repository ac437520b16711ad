#include "HiveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "HiveBaseBlock.h"
#include "HiveRecovery.h"
#include "platform/host/store/DurableFile.h"

namespace {
// A hive is at most 2 GB; the file may hold padding after it.
constexpr size_t kMaxHiveFileBytes = size_t{1} << 31;

LONG Failed(const std::string& strPath, const std::string& strWhat,
            std::string* pstrError) {
  *pstrError = strPath + ": " + strWhat + ": " + std::strerror(errno);
  return ERROR_WRITE_FAULT;
}
}  // namespace

uint64_t CHiveFile::Now() {
  // 100-ns intervals since 1601, the FILETIME epoch.
  const auto since1970 = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::system_clock::now().time_since_epoch());
  return (static_cast<uint64_t>(since1970.count()) + 11644473600000000ull) * 10;
}

LONG CHiveFile::Open(const std::string& strPath, const std::string& strMirror,
                     std::string* pstrError) {
  m_strPath = strPath;
  CRecoveredHive recovered;
  const LONG lResult =
      ReadRecoveredHive(strPath, strMirror, &recovered, pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  if (recovered.image.size() > kMaxHiveFileBytes) {
    *pstrError = strPath + ": the hive is larger than 2 GB";
    return ERROR_BADDB;
  }
  // The base block's other faults (version, checksum) as on a clean file.
  const std::string strFault = HiveBaseBlockFault(
      reinterpret_cast<const unsigned char*>(recovered.image.data()),
      recovered.image.size());
  if (!strFault.empty()) {
    *pstrError = strPath + ": " + strFault;
    return ERROR_BADDB;
  }
  m_strRecoveredFrom = recovered.strRecovered;
  std::string strWhy;
  if (!m_hive.Load(std::move(recovered.image), &strWhy)) {
    *pstrError = strPath + ": the hive is damaged: " + strWhy;
    return ERROR_BADDB;
  }
  return ERROR_SUCCESS;
}

LONG CHiveFile::CommitTo(const std::string& strTemp, std::string* pstrError) {
  struct stat st;
  const mode_t mode =
      stat(m_strPath.c_str(), &st) == 0 ? st.st_mode & 07777 : 0644;
  const int fd =
      open(strTemp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd < 0) return Failed(strTemp, "cannot create", pstrError);
  LONG lResult = ERROR_SUCCESS;
  const std::string& strBase = m_hive.BaseBlock();
  const std::string& strBins = m_hive.Bins();
  if (!WriteAll(fd, strBase.data(), strBase.size()) ||
      !WriteAll(fd, strBins.data(), strBins.size()))
    lResult = Failed(strTemp, "cannot write the hive", pstrError);
  else if (fchmod(fd, mode) != 0 || fsync(fd) != 0)
    lResult = Failed(strTemp, "cannot sync", pstrError);
  if (close(fd) != 0 && lResult == ERROR_SUCCESS)
    lResult = Failed(strTemp, "cannot write the hive", pstrError);
  if (lResult == ERROR_SUCCESS && rename(strTemp.c_str(), m_strPath.c_str()))
    lResult = Failed(m_strPath, "cannot replace", pstrError);
  if (lResult != ERROR_SUCCESS) {
    unlink(strTemp.c_str());
    return lResult;
  }
  TellDurableStep("rename", m_strPath);
  return SyncDirectoryOf(m_strPath, pstrError);
}

LONG CHiveFile::Commit(const std::string& strMirror, uint64_t* pcbWritten,
                       std::string* pstrError) {
  // Written from the hive's own bytes, not a copy of them.
  m_hive.Stamp(Now());
  LONG lResult = CommitTo(TempPathOf(m_strPath), pstrError);
  if (lResult != ERROR_SUCCESS) return lResult;
  const size_t cbFile = m_hive.BaseBlock().size() + m_hive.Bins().size();
  *pcbWritten += cbFile;
  struct stat mirror;
  if (strMirror.empty() || stat(strMirror.c_str(), &mirror) != 0)
    return ERROR_SUCCESS;
  // The mirror gets the very bytes of the new hive.
  *pcbWritten += cbFile;
  return ReplaceFileDurably(strMirror, m_hive.BaseBlock() + m_hive.Bins(),
                            pstrError);
}
