#include "DurableFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
LONG Failed(const std::string& strWhat, const std::string& strPath,
            std::string* pstrError, LONG lCode) {
  if (pstrError)
    *pstrError = strPath + ": " + strWhat + ": " + std::strerror(errno);
  return lCode;
}

std::string DirectoryOf(const std::string& strPath) {
  const size_t nSlash = strPath.find_last_of('/');
  if (nSlash == std::string::npos) return ".";
  return nSlash == 0 ? "/" : strPath.substr(0, nSlash);
}
}  // namespace

bool WriteAll(int fd, const char* pBytes, size_t cbBytes) {
  while (cbBytes > 0) {
    const ssize_t n = write(fd, pBytes, cbBytes);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    pBytes += n;
    cbBytes -= static_cast<size_t>(n);
  }
  return true;
}

LONG ReadWholeFile(const std::string& strPath, size_t nMaxBytes,
                   std::string* pstrBytes, bool* pbExists,
                   std::string* pstrError) {
  pstrBytes->clear();
  *pbExists = false;
  const int fd = open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return ERROR_SUCCESS;
    return Failed("cannot open", strPath, pstrError, ERROR_CANTOPEN);
  }
  *pbExists = true;
  struct stat st;
  if (fstat(fd, &st) != 0 || static_cast<uint64_t>(st.st_size) > nMaxBytes) {
    close(fd);
    errno = EFBIG;
    return Failed("cannot read", strPath, pstrError, ERROR_CANTREAD);
  }
  pstrBytes->resize(static_cast<size_t>(st.st_size));
  size_t nDone = 0;
  while (nDone < pstrBytes->size()) {
    const ssize_t n = read(fd, &(*pstrBytes)[nDone], pstrBytes->size() - nDone);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    nDone += static_cast<size_t>(n);
  }
  close(fd);
  pstrBytes->resize(nDone);  // a file that shrank meanwhile: what was read
  return ERROR_SUCCESS;
}

LONG SyncDirectoryOf(const std::string& strPath, std::string* pstrError) {
  const std::string strDir = DirectoryOf(strPath);
  const int fd = open(strDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Failed("cannot open", strDir, pstrError, ERROR_CANTOPEN);
  const bool bSynced = fsync(fd) == 0;
  close(fd);
  return bSynced ? ERROR_SUCCESS
                 : Failed("cannot sync", strDir, pstrError,
                          ERROR_REGISTRY_IO_FAILED);
}

LONG ReplaceFileDurably(const std::string& strPath, const std::string& strBytes,
                        std::string* pstrError) {
  const std::string strTemp = strPath + ".tmp";
  const int fd =
      open(strTemp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0)
    return Failed("cannot create", strTemp, pstrError, ERROR_CANTWRITE);
  if (!WriteAll(fd, strBytes.data(), strBytes.size()) || fsync(fd) != 0) {
    const LONG lResult =
        Failed("cannot write", strTemp, pstrError, ERROR_CANTWRITE);
    close(fd);
    unlink(strTemp.c_str());
    return lResult;
  }
  if (close(fd) != 0)
    return Failed("cannot write", strTemp, pstrError, ERROR_CANTWRITE);
  if (rename(strTemp.c_str(), strPath.c_str()) != 0)
    return Failed("cannot rename over", strPath, pstrError, ERROR_CANTWRITE);
  return SyncDirectoryOf(strPath, pstrError);
}

LONG RemoveFileDurably(const std::string& strPath, std::string* pstrError) {
  if (unlink(strPath.c_str()) != 0) {
    if (errno == ENOENT) return ERROR_SUCCESS;
    return Failed("cannot remove", strPath, pstrError, ERROR_CANTWRITE);
  }
  return SyncDirectoryOf(strPath, pstrError);
}
