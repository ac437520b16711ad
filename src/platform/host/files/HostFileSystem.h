// Files and folders on the host, with Windows semantics: names match
// without regard to case, masks match as FindFirstFileA's do (see
// WildcardMatch.h), errors are Windows codes.
//
// Paths (see HostPath.h): C:\ is the machine directory, Z:\ the host's own
// root; other drives and UNC paths don't exist (ERROR_PATH_NOT_FOUND, as
// Windows answers for a missing drive). A path rooted without a drive
// ("\WINNT") is on C:. A relative path ("quorrel.log") lies in the
// process's real current directory on the host, not in the machine
// directory: that is where an installer that runs the program looks for the
// result file. GetModuleFileNameA gives the executable's path in the same
// terms (Z:\... unless it lies inside the machine directory).
//
// The machine's folders, named by the queries but never created by them:
//   C:\WINNT                  the Windows directory (GetWindowsDirectoryA)
//   C:\WINNT\system32         the system directory (GetSystemDirectoryA)
//   C:\TEMP\                  the temporary directory (GetTempPathA)
//
// Symbolic links are entries of their own, as links are on Windows: a
// search lists one as FILE_ATTRIBUTE_REPARSE_POINT (with
// FILE_ATTRIBUTE_DIRECTORY when it leads to a folder); DeleteFileA (a link
// to a file) and RemoveDirectoryA (a link to a folder) remove the link and
// never touch what it leads to.
//
// Read-only: a file or folder without write permission for its owner counts
// as read-only (FILE_ATTRIBUTE_READONLY) and is refused by DeleteFileA,
// RemoveDirectoryA and writes with ERROR_ACCESS_DENIED, also when the
// program runs as root. A file this process holds open is in use: deleting
// it fails with ERROR_SHARING_VIOLATION.
#pragma once

#include <sys/stat.h>

#include <map>
#include <memory>
#include <string>

#include "platform/FileSystem.h"

class CHostFileSystem : public IFileSystem {
 public:
  // strMachine: the host directory that stands for C:\.
  explicit CHostFileSystem(const std::string& strMachine);
  ~CHostFileSystem() override;
  CHostFileSystem(const CHostFileSystem&) = delete;
  CHostFileSystem& operator=(const CHostFileSystem&) = delete;

  HANDLE FindFirstFileA(const char* lpFileName,
                        WIN32_FIND_DATAA* lpFindFileData) override;
  BOOL FindNextFileA(HANDLE hFindFile,
                     WIN32_FIND_DATAA* lpFindFileData) override;
  BOOL FindClose(HANDLE hFindFile) override;
  BOOL DeleteFileA(const char* lpFileName) override;
  BOOL RemoveDirectoryA(const char* lpPathName) override;
  BOOL CopyFileA(const char* lpExistingFileName, const char* lpNewFileName,
                 BOOL bFailIfExists) override;
  UINT GetSystemDirectoryA(char* lpBuffer, UINT uSize) override;
  UINT GetWindowsDirectoryA(char* lpBuffer, UINT uSize) override;
  DWORD GetTempPathA(DWORD nBufferLength, char* lpBuffer) override;
  HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess,
                     DWORD dwShareMode, DWORD dwCreationDisposition,
                     DWORD dwFlagsAndAttributes) override;
  BOOL WriteFile(HANDLE hFile, const void* lpBuffer,
                 DWORD nNumberOfBytesToWrite,
                 DWORD* lpNumberOfBytesWritten) override;
  BOOL CloseHandle(HANDLE hObject) override;
  DWORD GetModuleFileNameA(char* lpFilename, DWORD nSize) override;
  // Inside the machine directory: C:\...; a path that leaves it through a
  // link, or enters another file system below it: Z:\<real host path>.
  BOOL ResolvePath(const char* lpPath, std::string* pstrReal) override;
  // Z:\ (all of the host outside the machine directory), the registry
  // store's and the run state's folders and files, the debug log, and the
  // hive folder of an NT installation.
  std::vector<std::string> ReservedPaths() override;

  // The host path a Windows path stands for; empty when it can't be mapped.
  std::string HostPathOf(const std::string& strWindows) const;
  const std::string& Machine() const { return m_strMachine; }

 private:
  struct CFind;
  // The host path, or FALSE with the last error set.
  BOOL Map(const char* lpPath, std::string* pstrHost) const;
  // Map, and the entry's own status: FALSE, with the Windows error, when
  // the path can't be mapped or names nothing.
  BOOL MapExisting(const char* lpPath, std::string* pstrHost,
                   struct stat* pst) const;
  HANDLE NewHandle();

  std::string m_strMachine;
  std::map<HANDLE, std::unique_ptr<CFind>> m_finds;
  std::map<HANDLE, int> m_files;                  // handle -> descriptor
  std::map<HANDLE, std::string> m_openFilePaths;  // handle -> host path
  uintptr_t m_nextHandle = 0x100;
};
