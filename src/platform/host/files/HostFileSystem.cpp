#include "HostFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "HostPath.h"
#include "WildcardMatch.h"
#include "platform/LastError.h"

namespace {
const char kWindowsDirectory[] = "C:\\WINNT";
const char kSystemDirectory[] = "C:\\WINNT\\system32";
const char kTempPath[] = "C:\\TEMP\\";

DWORD ErrorOf(int nErrno) {
  switch (nErrno) {
    case ENOENT:
      return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return ERROR_PATH_NOT_FOUND;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case ENOTEMPTY:
      return ERROR_DIR_NOT_EMPTY;
    case EBUSY:
    case ETXTBSY:
      return ERROR_SHARING_VIOLATION;
    case ENOSPC:
      return ERROR_DISK_FULL;
    case EIO:
      return ERROR_WRITE_FAULT;
    default:
      return ERROR_ACCESS_DENIED;
  }
}

std::string ParentOf(const std::string& strHost) {
  const size_t nSlash = strHost.find_last_of('/');
  return nSlash == 0 || nSlash == std::string::npos ? "/"
                                                    : strHost.substr(0, nSlash);
}

bool IsDirectory(const std::string& strHost) {
  struct stat st;
  return stat(strHost.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Windows tells a missing file (2) from a missing folder on the way (3).
DWORD MissingError(const std::string& strHost) {
  return IsDirectory(ParentOf(strHost)) ? ERROR_FILE_NOT_FOUND
                                        : ERROR_PATH_NOT_FOUND;
}

bool IsReadOnly(const struct stat& st) { return (st.st_mode & S_IWUSR) == 0; }

BOOL Fail(DWORD dwError) {
  SetLastError(dwError);
  return FALSE;
}

// A path query's answer: the length copied, or the size needed (with the
// zero) when the buffer is too small.
DWORD CopyPathOut(const std::string& strPath, char* pBuffer, DWORD nSize) {
  const DWORD nLength = static_cast<DWORD>(strPath.size());
  if (pBuffer == nullptr || nSize <= nLength) return nLength + 1;
  std::memcpy(pBuffer, strPath.c_str(), nLength + 1);
  return nLength;
}

// A symbolic link shows as Windows shows a link: a reparse point, marked a
// directory when it leads to one, with no size of its own.
// The entry is named relative to the open folder nAt (or AT_FDCWD), so
// that a deep folder's entries cost no walk down the whole path.
DWORD LinkAttributes(int nAt, const char* pszName) {
  struct stat st;
  const bool bFolder =
      fstatat(nAt, pszName, &st, 0) == 0 && S_ISDIR(st.st_mode);
  return FILE_ATTRIBUTE_REPARSE_POINT |
         (bFolder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE);
}

// The root of another mount: a file system of its own, or a bind mount of
// a folder of the same one (which only the kernel's flag tells).
bool IsMountRoot(int nAt, const char* pszName, const struct stat& st,
                 dev_t devParent) {
  if (st.st_dev != devParent) return true;
#ifdef STATX_ATTR_MOUNT_ROOT
  struct statx stx;
  if (statx(nAt, pszName, AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS, &stx) == 0 &&
      (stx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) &&
      (stx.stx_attributes & STATX_ATTR_MOUNT_ROOT))
    return true;
#endif
  return false;
}

// st is the entry's own status (lstat): a link is never followed. A mount
// point shows as Windows shows a mounted folder: a reparse point.
void FillFindData(int nAt, const std::string& strName, const struct stat& st,
                  dev_t devFolder, WIN32_FIND_DATAA* pData) {
  std::memset(pData, 0, sizeof(*pData));
  std::strncpy(pData->cFileName, strName.c_str(), MAX_PATH - 1);
  const bool bDots = strName == "." || strName == "..";
  if (S_ISDIR(st.st_mode) && !bDots &&
      IsMountRoot(nAt, strName.c_str(), st, devFolder)) {
    pData->dwFileAttributes =
        FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY;
    return;
  }
  if (S_ISLNK(st.st_mode)) {
    pData->dwFileAttributes = LinkAttributes(nAt, strName.c_str());
    return;
  }
  DWORD dwAttributes = 0;
  if (S_ISDIR(st.st_mode)) dwAttributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (IsReadOnly(st)) dwAttributes |= FILE_ATTRIBUTE_READONLY;
  if (!S_ISDIR(st.st_mode)) dwAttributes |= FILE_ATTRIBUTE_ARCHIVE;
  pData->dwFileAttributes = dwAttributes;
  const uint64_t nSize = S_ISDIR(st.st_mode) ? 0 : st.st_size;
  pData->nFileSizeHigh = static_cast<DWORD>(nSize >> 32);
  pData->nFileSizeLow = static_cast<DWORD>(nSize);
}

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return "/";
  return buffer.data();
}

bool IsSlash(char ch) { return ch == '\\' || ch == '/'; }

// The same path with a drive and backslashes (Windows takes '/' as well):
// C: for a rooted path, Z: and the host's current directory for a relative
// one. Empty for a UNC path.
std::string WithDrive(const std::string& strPath) {
  std::string strFull;
  if (strPath.size() >= 2 && strPath[1] == ':')
    strFull = strPath;
  else if (strPath.size() >= 2 && IsSlash(strPath[0]) && IsSlash(strPath[1]))
    return std::string();
  else if (!strPath.empty() && IsSlash(strPath[0]))
    strFull = "C:" + strPath;
  else
    strFull = "Z:" + CurrentDirectory() + "\\" + strPath;
  std::replace(strFull.begin(), strFull.end(), '/', '\\');
  return strFull;
}

// Windows drops the dots and spaces at the end of each name ("WINNT." is
// WINNT) when it opens a path; "." and ".." stay.
std::string WithoutTrailingDots(const std::string& strPath) {
  std::string strResult, strName;
  auto flush = [&strResult, &strName] {
    if (strName != "." && strName != "..")
      while (!strName.empty() &&
             (strName.back() == '.' || strName.back() == ' '))
        strName.pop_back();
    strResult += strName;
    strName.clear();
  };
  for (char ch : strPath) {
    if (IsSlash(ch)) {
      flush();
      strResult += '\\';
    } else {
      strName += ch;
    }
  }
  flush();
  return strResult;
}

bool IsFullWindowsPath(const std::string& strPath) {
  if (strPath.size() >= 3 && strPath[1] == ':') return IsSlash(strPath[2]);
  return strPath.size() >= 1 && IsSlash(strPath[0]) &&
         !(strPath.size() >= 2 && IsSlash(strPath[1]));
}

// The host's own resolution of the longest part of the path that exists,
// with the rest appended as given. Empty on a loop or a part that is not a
// folder.
std::string RealHostPath(const std::string& strHost) {
  std::string strExisting = strHost, strRest;
  for (;;) {
    if (char* pszReal = realpath(strExisting.c_str(), nullptr)) {
      std::string strReal = pszReal;
      free(pszReal);
      return strReal == "/" && !strRest.empty() ? strRest : strReal + strRest;
    }
    if (errno != ENOENT || strExisting == "/") return std::string();
    const size_t nSlash = strExisting.find_last_of('/');
    strRest = strExisting.substr(nSlash) + strRest;
    strExisting = nSlash == 0 ? "/" : strExisting.substr(0, nSlash);
  }
}

// True when a folder on the way from the machine directory down to the
// path is the root of another mount.
bool CrossesMount(const std::string& strMachine, const std::string& strReal) {
  for (size_t nSlash = strReal.find('/', strMachine.size() + 1);;
       nSlash = strReal.find('/', nSlash + 1)) {
    const std::string strPart = strReal.substr(0, nSlash);
    struct stat st, stParent;
    if (lstat(strPart.c_str(), &st) != 0 ||
        stat(ParentOf(strPart).c_str(), &stParent) != 0)
      return false;
    if (S_ISDIR(st.st_mode) &&
        IsMountRoot(AT_FDCWD, strPart.c_str(), st, stParent.st_dev))
      return true;
    if (nSlash == std::string::npos) return false;
  }
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
      });
}
}  // namespace

// A search: the matching names of one folder, taken when it starts, in the
// order NTFS lists them (by name, letter case ignored).
struct CHostFileSystem::CFind {
  ~CFind() {
    if (nFolder >= 0) close(nFolder);
  }
  std::string strDirectory;
  int nFolder = -1;  // the folder, open: entries are looked at relative to it
  dev_t devFolder = 0;
  std::vector<std::string> names;
  size_t nNext = 0;
};

CHostFileSystem::CHostFileSystem(const std::string& strMachine)
    : m_strMachine(strMachine) {
  while (m_strMachine.size() > 1 && m_strMachine.back() == '/')
    m_strMachine.pop_back();
}

CHostFileSystem::~CHostFileSystem() {
  for (const auto& file : m_files) close(file.second);
}

BOOL CHostFileSystem::Map(const char* lpPath, std::string* pstrHost) const {
  *pstrHost = HostPathOf(lpPath ? lpPath : "");
  return pstrHost->empty() ? Fail(ERROR_PATH_NOT_FOUND) : TRUE;
}

BOOL CHostFileSystem::MapExisting(const char* lpPath, std::string* pstrHost,
                                  struct stat* pst) const {
  const std::string strFull = WithDrive(lpPath ? lpPath : "");
  *pstrHost = strFull.empty() || !lpPath || !*lpPath
                  ? std::string()
                  : HostPathOfWindowsPath(m_strMachine, strFull, pst);
  if (pstrHost->empty()) return Fail(ERROR_PATH_NOT_FOUND);
  if (pst->st_mode != 0 || lstat(pstrHost->c_str(), pst) == 0) return TRUE;
  return Fail(MissingError(*pstrHost));
}

std::string CHostFileSystem::HostPathOf(const std::string& strWindows) const {
  if (strWindows.empty()) return std::string();
  const std::string strFull = WithDrive(strWindows);
  return strFull.empty() ? std::string()
                         : HostPathOfWindowsPath(m_strMachine, strFull);
}

HANDLE CHostFileSystem::NewHandle() {
  return reinterpret_cast<HANDLE>(m_nextHandle++);
}

HANDLE CHostFileSystem::FindFirstFileA(const char* lpFileName,
                                       WIN32_FIND_DATAA* lpFindFileData) {
  const std::string strSearch = lpFileName ? lpFileName : "";
  const size_t nSplit = strSearch.find_last_of("\\/");
  const std::string strMask =
      nSplit == std::string::npos ? strSearch : strSearch.substr(nSplit + 1);
  std::string strFolder =
      nSplit == std::string::npos ? "." : strSearch.substr(0, nSplit + 1);
  if (strMask.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  std::string strDirectory;
  if (!Map(strFolder.c_str(), &strDirectory)) return INVALID_HANDLE_VALUE;
  auto find = std::make_unique<CFind>();
  find->nFolder =
      open(strDirectory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  struct stat stFolder;
  DIR* pDir = find->nFolder < 0 || fstat(find->nFolder, &stFolder) != 0
                  ? nullptr
                  : fdopendir(dup(find->nFolder));
  if (pDir == nullptr) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  find->strDirectory = strDirectory;
  find->devFolder = stFolder.st_dev;
  // A drive's root lists no "." and "..", every other folder does.
  const bool bRoot = strDirectory == m_strMachine;
  while (const dirent* pEntry = readdir(pDir)) {
    const std::string strName = pEntry->d_name;
    if (bRoot && (strName == "." || strName == "..")) continue;
    if (strName.size() >= MAX_PATH) continue;
    if (WildcardMatch(strMask, strName)) find->names.push_back(strName);
  }
  closedir(pDir);
  std::sort(find->names.begin(), find->names.end(), LessIgnoringCase);
  if (find->names.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  const HANDLE hFind = NewHandle();
  m_finds[hFind] = std::move(find);
  if (!FindNextFileA(hFind, lpFindFileData)) {
    FindClose(hFind);
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  return hFind;
}

BOOL CHostFileSystem::FindNextFileA(HANDLE hFindFile,
                                    WIN32_FIND_DATAA* lpFindFileData) {
  auto it = m_finds.find(hFindFile);
  if (it == m_finds.end()) return Fail(ERROR_INVALID_HANDLE);
  CFind& find = *it->second;
  // An entry deleted since the search began is passed over.
  while (find.nNext < find.names.size()) {
    const std::string& strName = find.names[find.nNext++];
    struct stat st;
    if (fstatat(find.nFolder, strName.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
      continue;
    FillFindData(find.nFolder, strName, st, find.devFolder, lpFindFileData);
    return TRUE;
  }
  return Fail(ERROR_NO_MORE_FILES);
}

BOOL CHostFileSystem::FindClose(HANDLE hFindFile) {
  return m_finds.erase(hFindFile) ? TRUE : Fail(ERROR_INVALID_HANDLE);
}

BOOL CHostFileSystem::DeleteFileA(const char* lpFileName) {
  std::string strHost;
  struct stat st;
  if (!MapExisting(lpFileName, &strHost, &st)) return FALSE;
  // A link to a folder is removed as a folder is, as on Windows; a link to
  // a file goes itself, whatever its target.
  if (S_ISLNK(st.st_mode)) {
    if (IsDirectory(strHost)) return Fail(ERROR_ACCESS_DENIED);
    return unlink(strHost.c_str()) == 0 ? TRUE : Fail(ErrorOf(errno));
  }
  if (S_ISDIR(st.st_mode) || IsReadOnly(st)) return Fail(ERROR_ACCESS_DENIED);
  for (const auto& open : m_openFilePaths)
    if (open.second == strHost) return Fail(ERROR_SHARING_VIOLATION);
  return unlink(strHost.c_str()) == 0 ? TRUE : Fail(ErrorOf(errno));
}

BOOL CHostFileSystem::RemoveDirectoryA(const char* lpPathName) {
  std::string strHost;
  struct stat st;
  if (!MapExisting(lpPathName, &strHost, &st)) return FALSE;
  // A link to a folder goes itself; what it leads to, full or not, stays.
  if (S_ISLNK(st.st_mode)) {
    if (!IsDirectory(strHost)) return Fail(ERROR_DIRECTORY);
    return unlink(strHost.c_str()) == 0 ? TRUE : Fail(ErrorOf(errno));
  }
  if (!S_ISDIR(st.st_mode)) return Fail(ERROR_DIRECTORY);
  if (strHost == m_strMachine || IsReadOnly(st))
    return Fail(ERROR_ACCESS_DENIED);
  if (rmdir(strHost.c_str()) == 0) return TRUE;
  return Fail(errno == EEXIST ? ERROR_DIR_NOT_EMPTY : ErrorOf(errno));
}

BOOL CHostFileSystem::CopyFileA(const char* lpExistingFileName,
                                const char* lpNewFileName, BOOL bFailIfExists) {
  std::string strFrom, strTo;
  if (!Map(lpExistingFileName, &strFrom) || !Map(lpNewFileName, &strTo))
    return FALSE;
  struct stat stFrom;
  if (stat(strFrom.c_str(), &stFrom) != 0) return Fail(MissingError(strFrom));
  if (S_ISDIR(stFrom.st_mode)) return Fail(ERROR_ACCESS_DENIED);
  if (!IsDirectory(ParentOf(strTo))) return Fail(ERROR_PATH_NOT_FOUND);
  struct stat stTo;
  if (stat(strTo.c_str(), &stTo) == 0) {
    if (bFailIfExists) return Fail(ERROR_FILE_EXISTS);
    if (S_ISDIR(stTo.st_mode) || IsReadOnly(stTo))
      return Fail(ERROR_ACCESS_DENIED);
  }
  const int nIn = open(strFrom.c_str(), O_RDONLY);
  if (nIn < 0) return Fail(ErrorOf(errno));
  const int nOut =
      open(strTo.c_str(), O_WRONLY | O_CREAT | O_TRUNC, stFrom.st_mode & 0777);
  if (nOut < 0) {
    const DWORD dwError = ErrorOf(errno);
    close(nIn);
    return Fail(dwError);
  }
  DWORD dwError = ERROR_SUCCESS;
  char buffer[65536];
  for (;;) {
    const ssize_t nRead = read(nIn, buffer, sizeof(buffer));
    if (nRead == 0) break;
    if (nRead < 0 || write(nOut, buffer, nRead) != nRead) {
      dwError = nRead < 0 ? ERROR_READ_FAULT : ErrorOf(errno);
      break;
    }
  }
  close(nIn);
  if (close(nOut) != 0 && dwError == ERROR_SUCCESS) dwError = ErrorOf(errno);
  // Windows copies the attributes along; the read-only one is the mode.
  if (dwError == ERROR_SUCCESS) chmod(strTo.c_str(), stFrom.st_mode & 07777);
  return dwError == ERROR_SUCCESS ? TRUE : Fail(dwError);
}

// The folder queries only name the folders, as Windows' do: a machine
// directory without them stays without them.
UINT CHostFileSystem::GetSystemDirectoryA(char* lpBuffer, UINT uSize) {
  return CopyPathOut(kSystemDirectory, lpBuffer, uSize);
}

UINT CHostFileSystem::GetWindowsDirectoryA(char* lpBuffer, UINT uSize) {
  return CopyPathOut(kWindowsDirectory, lpBuffer, uSize);
}

DWORD CHostFileSystem::GetTempPathA(DWORD nBufferLength, char* lpBuffer) {
  return CopyPathOut(kTempPath, lpBuffer, nBufferLength);
}

HANDLE CHostFileSystem::CreateFileA(const char* lpFileName,
                                    DWORD dwDesiredAccess, DWORD /*share*/,
                                    DWORD dwCreationDisposition,
                                    DWORD /*attributes*/) {
  std::string strHost;
  if (!Map(lpFileName, &strHost)) return INVALID_HANDLE_VALUE;
  int nFlags = 0;
  const bool bRead = dwDesiredAccess & GENERIC_READ;
  const bool bWrite = dwDesiredAccess & GENERIC_WRITE;
  nFlags |= bRead && bWrite ? O_RDWR : bWrite ? O_WRONLY : O_RDONLY;
  switch (dwCreationDisposition) {
    case CREATE_NEW:
      nFlags |= O_CREAT | O_EXCL;
      break;
    case CREATE_ALWAYS:
      nFlags |= O_CREAT | O_TRUNC;
      break;
    case OPEN_ALWAYS:
      nFlags |= O_CREAT;
      break;
    case OPEN_EXISTING:
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return INVALID_HANDLE_VALUE;
  }
  // Only a regular file is opened: a link is not followed (a link planted
  // under the result file's name would have its target overwritten), and a
  // FIFO, device or folder is refused without waiting for a reader.
  struct stat st;
  const bool bExisted = lstat(strHost.c_str(), &st) == 0;
  if (bExisted) {
    if (!S_ISREG(st.st_mode) || (bWrite && IsReadOnly(st))) {
      SetLastError(ERROR_ACCESS_DENIED);
      return INVALID_HANDLE_VALUE;
    }
  } else if (!IsDirectory(ParentOf(strHost))) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  const int nFile =
      open(strHost.c_str(), nFlags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  if (nFile < 0) {
    // ELOOP: the name became a link since it was looked at.
    SetLastError(errno == ELOOP || errno == ENXIO ? ERROR_ACCESS_DENIED
                                                  : ErrorOf(errno));
    return INVALID_HANDLE_VALUE;
  }
  struct stat stOpened;
  if (fstat(nFile, &stOpened) != 0 || !S_ISREG(stOpened.st_mode)) {
    close(nFile);
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  fcntl(nFile, F_SETFL, fcntl(nFile, F_GETFL) & ~O_NONBLOCK);
  const HANDLE hFile = NewHandle();
  m_files[hFile] = nFile;
  m_openFilePaths[hFile] = strHost;
  // Windows answers a successful CREATE_ALWAYS/OPEN_ALWAYS on an existing
  // file with ERROR_ALREADY_EXISTS, and 0 otherwise.
  const bool bReopened = bExisted && (dwCreationDisposition == CREATE_ALWAYS ||
                                      dwCreationDisposition == OPEN_ALWAYS);
  SetLastError(bReopened ? ERROR_ALREADY_EXISTS : 0);
  return hFile;
}

BOOL CHostFileSystem::WriteFile(HANDLE hFile, const void* lpBuffer,
                                DWORD nNumberOfBytesToWrite,
                                DWORD* lpNumberOfBytesWritten) {
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = 0;
  auto it = m_files.find(hFile);
  if (it == m_files.end()) return Fail(ERROR_INVALID_HANDLE);
  const char* pBytes = static_cast<const char*>(lpBuffer);
  DWORD nDone = 0;
  while (nDone < nNumberOfBytesToWrite) {
    const ssize_t nWritten =
        write(it->second, pBytes + nDone, nNumberOfBytesToWrite - nDone);
    if (nWritten < 0) {
      if (errno == EINTR) continue;
      if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = nDone;
      return Fail(errno == EBADF ? ERROR_ACCESS_DENIED : ErrorOf(errno));
    }
    nDone += static_cast<DWORD>(nWritten);
  }
  if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = nDone;
  return TRUE;
}

BOOL CHostFileSystem::CloseHandle(HANDLE hObject) {
  auto it = m_files.find(hObject);
  if (it == m_files.end()) return Fail(ERROR_INVALID_HANDLE);
  const int nResult = close(it->second);
  m_files.erase(it);
  m_openFilePaths.erase(hObject);
  return nResult == 0 ? TRUE : Fail(ErrorOf(errno));
}

BOOL CHostFileSystem::ResolvePath(const char* lpPath, std::string* pstrReal) {
  const std::string strGiven = lpPath ? lpPath : "";
  if (!IsFullWindowsPath(strGiven)) return Fail(ERROR_INVALID_NAME);
  std::string strHost;
  if (!Map(WithoutTrailingDots(strGiven).c_str(), &strHost)) return FALSE;
  const std::string strReal = RealHostPath(strHost);
  if (strReal.empty()) return Fail(ERROR_CANT_RESOLVE_FILENAME);
  std::string strMachine = RealHostPath(m_strMachine);
  if (strMachine.empty()) strMachine = m_strMachine;
  const bool bInside =
      strReal == strMachine ||
      (strReal.compare(0, strMachine.size() + 1, strMachine + "/") == 0 &&
       !CrossesMount(strMachine, strReal));
  // Outside the machine, or on another file system below it: the host's
  // own path, on Z:.
  *pstrReal =
      WindowsPathOfHostPath(bInside ? strMachine : std::string("//"), strReal);
  return TRUE;
}

std::vector<std::string> CHostFileSystem::ReservedPaths() {
  std::vector<std::string> paths = {"Z:\\"};
  for (const char* pszPath :
       {"C:\\registry", "C:\\run", "C:\\services.state",
        "C:\\quorrel-debug.log", "C:\\WINNT\\system32\\config"}) {
    std::string strReal;
    if (ResolvePath(pszPath, &strReal)) paths.push_back(strReal);
  }
  return paths;
}

DWORD CHostFileSystem::GetModuleFileNameA(char* lpFilename, DWORD nSize) {
  std::vector<char> buffer(4096);
  const ssize_t nLength =
      readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (nLength <= 0) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return 0;
  }
  const std::string strPath =
      WindowsPathOfHostPath(m_strMachine, std::string(buffer.data(), nLength));
  if (nSize == 0) return Fail(ERROR_INSUFFICIENT_BUFFER);
  // As Windows: a path that doesn't fit is cut, still ends in a zero, and
  // the answer is the buffer's size.
  if (strPath.size() >= nSize) {
    std::memcpy(lpFilename, strPath.c_str(), nSize - 1);
    lpFilename[nSize - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
  }
  std::memcpy(lpFilename, strPath.c_str(), strPath.size() + 1);
  return static_cast<DWORD>(strPath.size());
}
