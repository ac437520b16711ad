// A files port that only holds created files in memory: enough for the
// result file of a silent run. Everything else fails as unsupported.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

class CResultFileFake : public IFileSystem {
 public:
  std::map<std::string, std::string> m_files;  // name -> content
  bool m_bFailCreate = false;
  bool m_bFailWrite = false;
  DWORD m_dwError = ERROR_ACCESS_DENIED;
  int m_nOpen = 0;

  HANDLE FindFirstFileA(const char*, WIN32_FIND_DATAA*) override;
  BOOL FindNextFileA(HANDLE, WIN32_FIND_DATAA*) override;
  BOOL FindClose(HANDLE) override;
  BOOL DeleteFileA(const char*) override;
  BOOL RemoveDirectoryA(const char*) override;
  BOOL CopyFileA(const char*, const char*, BOOL) override;
  UINT GetSystemDirectoryA(char*, UINT) override;
  UINT GetWindowsDirectoryA(char*, UINT) override;
  DWORD GetTempPathA(DWORD, char*) override;
  HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess,
                     DWORD dwShareMode, DWORD dwCreationDisposition,
                     DWORD dwFlagsAndAttributes) override;
  BOOL WriteFile(HANDLE hFile, const void* lpBuffer, DWORD cb,
                 DWORD* pcbWritten) override;
  BOOL CloseHandle(HANDLE hObject) override;
  DWORD GetModuleFileNameA(char* lpFilename, DWORD nSize) override;
  BOOL ResolvePath(const char*, std::string*) override;
  std::vector<std::string> ReservedPaths() override { return {}; }

 private:
  std::map<HANDLE, std::string> m_handles;
  uintptr_t m_next = 0x100;
};
