// Files and folders over kernel32.
#pragma once

#include "../FileSystem.h"

class CWin32FileSystem : public IFileSystem {
 public:
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
  BOOL ResolvePath(const char* lpPath, std::string* pstrReal) override;
  // None: Windows names every folder it keeps for itself.
  std::vector<std::string> ReservedPaths() override { return {}; }
};
