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

void (*g_pfnDurableStep)(const std::string& strStep) = nullptr;

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
  // Non-blocking, so that a FIFO in the file's place can't hold the open.
  const int fd = open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return ERROR_SUCCESS;
    return Failed("cannot open", strPath, pstrError, ERROR_CANTOPEN);
  }
  *pbExists = true;
  struct stat st;
  if (fstat(fd, &st) != 0) {
    close(fd);
    return Failed("cannot read", strPath, pstrError, ERROR_CANTREAD);
  }
  if (!S_ISREG(st.st_mode)) {
    close(fd);
    if (pstrError)
      *pstrError =
          strPath + (S_ISDIR(st.st_mode) ? ": is a directory, not a file"
                                         : ": not a regular file");
    return ERROR_CANTREAD;
  }
  if (static_cast<uint64_t>(st.st_size) > nMaxBytes) {
    close(fd);
    errno = EFBIG;
    return Failed("cannot read", strPath, pstrError, ERROR_CANTREAD);
  }
  pstrBytes->resize(static_cast<size_t>(st.st_size));
  size_t nDone = 0;
  while (nDone < pstrBytes->size()) {
    const ssize_t n = read(fd, &(*pstrBytes)[nDone], pstrBytes->size() - nDone);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const LONG lResult =
          Failed("cannot read", strPath, pstrError, ERROR_CANTREAD);
      close(fd);
      return lResult;
    }
    if (n == 0) break;
    nDone += static_cast<size_t>(n);
  }
  close(fd);
  pstrBytes->resize(nDone);  // a file that shrank meanwhile: what was read
  return ERROR_SUCCESS;
}

LONG MakeDirectories(const std::string& strPath, std::string* pstrError) {
  struct stat st;
  if (stat(strPath.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return ERROR_SUCCESS;
    if (pstrError) *pstrError = strPath + ": not a directory";
    return ERROR_PATH_NOT_FOUND;
  }
  const std::string strParent = DirectoryOf(strPath);
  if (strParent != strPath && strParent != "." && strParent != "/") {
    const LONG lResult = MakeDirectories(strParent, pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
  }
  if (mkdir(strPath.c_str(), 0755) == 0 || errno == EEXIST)
    return ERROR_SUCCESS;
  return Failed("cannot create", strPath, pstrError, ERROR_PATH_NOT_FOUND);
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

namespace {
// The file a path names: a symbolic link is followed to its target, so that
// replacing the file keeps the link. A missing target is created.
std::string FollowLinks(const std::string& strPath) {
  std::string strTarget = strPath;
  for (int nHops = 0; nHops < 40; ++nHops) {
    char szLink[4096];
    const ssize_t n = readlink(strTarget.c_str(), szLink, sizeof szLink - 1);
    if (n < 0) return strTarget;
    szLink[n] = '\0';
    if (szLink[0] == '/')
      strTarget = szLink;
    else
      strTarget = DirectoryOf(strTarget) + "/" + szLink;
  }
  return strTarget;  // a loop: the rename fails on it with its reason
}

// The new file gets the old one's mode and owner; a file the store creates
// gets 0644 whatever the umask.
bool CopyModeAndOwner(int fd, const std::string& strPath) {
  struct stat st;
  if (stat(strPath.c_str(), &st) != 0) return fchmod(fd, 0644) == 0;
  // Only root can give a file away; others keep the old owner if it is theirs.
  if (fchown(fd, st.st_uid, st.st_gid) != 0 && errno != EPERM) return false;
  return fchmod(fd, st.st_mode & 07777) == 0;
}
}  // namespace

LONG ReplaceFileDurably(const std::string& strLinkPath,
                        const std::string& strBytes, std::string* pstrError) {
  const std::string strPath = FollowLinks(strLinkPath);
  const std::string strTemp = strPath + ".tmp";
  const int fd =
      open(strTemp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0)
    return Failed("cannot create", strTemp, pstrError, ERROR_CANTWRITE);
  if (!CopyModeAndOwner(fd, strPath)) {
    const LONG lResult =
        Failed("cannot set the mode of", strTemp, pstrError, ERROR_CANTWRITE);
    close(fd);
    unlink(strTemp.c_str());
    return lResult;
  }
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
  TellDurableStep("rename", strPath);
  return SyncDirectoryOf(strPath, pstrError);
}

LONG RemoveFileDurably(const std::string& strPath, std::string* pstrError) {
  if (unlink(strPath.c_str()) != 0) {
    if (errno == ENOENT) return ERROR_SUCCESS;
    return Failed("cannot remove", strPath, pstrError, ERROR_CANTWRITE);
  }
  return SyncDirectoryOf(strPath, pstrError);
}
