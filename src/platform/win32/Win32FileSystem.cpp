#include "Win32FileSystem.h"

HANDLE CWin32FileSystem::FindFirstFileA(const char* lpFileName,
                                        WIN32_FIND_DATAA* lpFindFileData) {
  return ::FindFirstFileA(lpFileName, lpFindFileData);
}

BOOL CWin32FileSystem::FindNextFileA(HANDLE hFindFile,
                                     WIN32_FIND_DATAA* lpFindFileData) {
  return ::FindNextFileA(hFindFile, lpFindFileData);
}

BOOL CWin32FileSystem::FindClose(HANDLE hFindFile) {
  return ::FindClose(hFindFile);
}

BOOL CWin32FileSystem::DeleteFileA(const char* lpFileName) {
  return ::DeleteFileA(lpFileName);
}

BOOL CWin32FileSystem::RemoveDirectoryA(const char* lpPathName) {
  return ::RemoveDirectoryA(lpPathName);
}

BOOL CWin32FileSystem::CopyFileA(const char* lpExistingFileName,
                                 const char* lpNewFileName,
                                 BOOL bFailIfExists) {
  return ::CopyFileA(lpExistingFileName, lpNewFileName, bFailIfExists);
}

UINT CWin32FileSystem::GetSystemDirectoryA(char* lpBuffer, UINT uSize) {
  return ::GetSystemDirectoryA(lpBuffer, uSize);
}

UINT CWin32FileSystem::GetWindowsDirectoryA(char* lpBuffer, UINT uSize) {
  return ::GetWindowsDirectoryA(lpBuffer, uSize);
}

DWORD CWin32FileSystem::GetTempPathA(DWORD nBufferLength, char* lpBuffer) {
  return ::GetTempPathA(nBufferLength, lpBuffer);
}

HANDLE CWin32FileSystem::CreateFileA(const char* lpFileName,
                                     DWORD dwDesiredAccess, DWORD dwShareMode,
                                     DWORD dwCreationDisposition,
                                     DWORD dwFlagsAndAttributes) {
  // Not inheritable (no security attributes), no template file.
  return ::CreateFileA(lpFileName, dwDesiredAccess, dwShareMode, nullptr,
                       dwCreationDisposition, dwFlagsAndAttributes, nullptr);
}

BOOL CWin32FileSystem::WriteFile(HANDLE hFile, const void* lpBuffer,
                                 DWORD nNumberOfBytesToWrite,
                                 DWORD* lpNumberOfBytesWritten) {
  return ::WriteFile(hFile, lpBuffer, nNumberOfBytesToWrite,
                     lpNumberOfBytesWritten, nullptr);
}

BOOL CWin32FileSystem::CloseHandle(HANDLE hObject) {
  return ::CloseHandle(hObject);
}

DWORD CWin32FileSystem::GetModuleFileNameA(char* lpFilename, DWORD nSize) {
  return ::GetModuleFileNameA(nullptr, lpFilename, nSize);
}
