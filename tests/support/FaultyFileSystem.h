// A file system that passes every call on to another one, except those a
// test makes fail with a given Windows error; records searches and
// deletions.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

class CFaultyFileSystem : public IFileSystem {
 public:
  explicit CFaultyFileSystem(IFileSystem& inner) : m_inner(inner) {}

  // Non-zero: the call fails with this error.
  DWORD m_dwSystemDirectoryError = 0;
  DWORD m_dwWindowsDirectoryError = 0;
  DWORD m_dwTempPathError = 0;
  DWORD m_dwCopyError = 0;
  // Windows path (as the caller spells it) -> error of DeleteFileA.
  std::map<std::string, DWORD> m_deleteErrors;
  std::vector<std::string> m_searches;  // FindFirstFileA patterns
  std::vector<std::string> m_deletes;   // DeleteFileA paths, in order

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
  BOOL ResolvePath(const char* lpPath, std::string* pstrReal) override {
    return m_inner.ResolvePath(lpPath, pstrReal);
  }
  std::vector<std::string> ReservedPaths() override {
    return m_inner.ReservedPaths();
  }

 private:
  IFileSystem& m_inner;
};
