// Files and folders, with the semantics of the kernel32 functions of the
// same names: Windows paths, Windows wildcard matching ("*.*" matches every
// name, with or without a dot), case-insensitive names. BOOL results; on
// failure the thread's last error holds the Windows code (2, 3, 5, 32 ...).
#pragma once

#include <string>
#include <vector>

#include "WinTypes.h"

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;

  // INVALID_HANDLE_VALUE when nothing matches (ERROR_FILE_NOT_FOUND) or the
  // folder does not exist (ERROR_PATH_NOT_FOUND).
  virtual HANDLE FindFirstFileA(const char* lpFileName,
                                WIN32_FIND_DATAA* lpFindFileData) = 0;
  // FALSE with ERROR_NO_MORE_FILES after the last entry.
  virtual BOOL FindNextFileA(HANDLE hFindFile,
                             WIN32_FIND_DATAA* lpFindFileData) = 0;
  virtual BOOL FindClose(HANDLE hFindFile) = 0;
  // A read-only file is refused with ERROR_ACCESS_DENIED.
  virtual BOOL DeleteFileA(const char* lpFileName) = 0;
  // A folder that is not empty is refused with ERROR_DIR_NOT_EMPTY.
  virtual BOOL RemoveDirectoryA(const char* lpPathName) = 0;
  virtual BOOL CopyFileA(const char* lpExistingFileName,
                         const char* lpNewFileName, BOOL bFailIfExists) = 0;
  // Each returns the length copied (without the zero), the size needed when
  // the buffer is too small, or 0 on failure.
  virtual UINT GetSystemDirectoryA(char* lpBuffer, UINT uSize) = 0;
  virtual UINT GetWindowsDirectoryA(char* lpBuffer, UINT uSize) = 0;
  // The path ends with a backslash.
  virtual DWORD GetTempPathA(DWORD nBufferLength, char* lpBuffer) = 0;
  // Regular files only (the result file of a silent run): an existing link,
  // FIFO, device or folder of that name is refused with
  // ERROR_ACCESS_DENIED, at once; a link is never followed. No security
  // attributes, no template.
  virtual HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess,
                             DWORD dwShareMode, DWORD dwCreationDisposition,
                             DWORD dwFlagsAndAttributes) = 0;
  virtual BOOL WriteFile(HANDLE hFile, const void* lpBuffer,
                         DWORD nNumberOfBytesToWrite,
                         DWORD* lpNumberOfBytesWritten) = 0;
  virtual BOOL CloseHandle(HANDLE hObject) = 0;
  // The full path of the program's own executable.
  virtual DWORD GetModuleFileNameA(char* lpFilename, DWORD nSize) = 0;

  // Where a full path really leads on this machine: the drive it lies on
  // once every link, junction and mount point on the way is followed, short
  // (8.3) names made long, "." and ".." applied and each existing name
  // spelt as it is stored. Names past the last existing folder stay as
  // given. A path into another file system than its drive's reads as that
  // file system's own path. FALSE, with the last error, for a path that
  // names no place of this machine (relative, no such drive, a loop).
  virtual BOOL ResolvePath(const char* lpPath, std::string* pstrReal) = 0;
  // The resolved paths this machine keeps for itself beside what Windows
  // names: no program's folder may be one of them, lie inside one or hold
  // one. A drive root in the list stands for the whole drive.
  virtual std::vector<std::string> ReservedPaths() = 0;
};
