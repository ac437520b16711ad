#include "FaultyFileSystem.h"

#include "platform/LastError.h"

namespace {
template <typename T>
T Fail(DWORD dwError, T result) {
  SetLastError(dwError);
  return result;
}
}  // namespace

HANDLE CFaultyFileSystem::FindFirstFileA(const char* lpFileName,
                                         WIN32_FIND_DATAA* lpFindFileData) {
  m_searches.push_back(lpFileName);
  return m_inner.FindFirstFileA(lpFileName, lpFindFileData);
}

BOOL CFaultyFileSystem::FindNextFileA(HANDLE hFindFile,
                                      WIN32_FIND_DATAA* lpFindFileData) {
  return m_inner.FindNextFileA(hFindFile, lpFindFileData);
}

BOOL CFaultyFileSystem::FindClose(HANDLE hFindFile) {
  return m_inner.FindClose(hFindFile);
}

BOOL CFaultyFileSystem::DeleteFileA(const char* lpFileName) {
  m_deletes.push_back(lpFileName);
  auto it = m_deleteErrors.find(lpFileName);
  if (it != m_deleteErrors.end()) return Fail(it->second, FALSE);
  return m_inner.DeleteFileA(lpFileName);
}

BOOL CFaultyFileSystem::RemoveDirectoryA(const char* lpPathName) {
  return m_inner.RemoveDirectoryA(lpPathName);
}

BOOL CFaultyFileSystem::CopyFileA(const char* lpExistingFileName,
                                  const char* lpNewFileName,
                                  BOOL bFailIfExists) {
  if (m_dwCopyError) return Fail(m_dwCopyError, FALSE);
  return m_inner.CopyFileA(lpExistingFileName, lpNewFileName, bFailIfExists);
}

UINT CFaultyFileSystem::GetSystemDirectoryA(char* lpBuffer, UINT uSize) {
  if (m_dwSystemDirectoryError) return Fail(m_dwSystemDirectoryError, 0u);
  return m_inner.GetSystemDirectoryA(lpBuffer, uSize);
}

UINT CFaultyFileSystem::GetWindowsDirectoryA(char* lpBuffer, UINT uSize) {
  if (m_dwWindowsDirectoryError) return Fail(m_dwWindowsDirectoryError, 0u);
  return m_inner.GetWindowsDirectoryA(lpBuffer, uSize);
}

DWORD CFaultyFileSystem::GetTempPathA(DWORD nBufferLength, char* lpBuffer) {
  if (m_dwTempPathError) return Fail(m_dwTempPathError, 0u);
  return m_inner.GetTempPathA(nBufferLength, lpBuffer);
}

HANDLE CFaultyFileSystem::CreateFileA(const char* lpFileName,
                                      DWORD dwDesiredAccess, DWORD dwShareMode,
                                      DWORD dwCreationDisposition,
                                      DWORD dwFlagsAndAttributes) {
  return m_inner.CreateFileA(lpFileName, dwDesiredAccess, dwShareMode,
                             dwCreationDisposition, dwFlagsAndAttributes);
}

BOOL CFaultyFileSystem::WriteFile(HANDLE hFile, const void* lpBuffer,
                                  DWORD nNumberOfBytesToWrite,
                                  DWORD* lpNumberOfBytesWritten) {
  return m_inner.WriteFile(hFile, lpBuffer, nNumberOfBytesToWrite,
                           lpNumberOfBytesWritten);
}

BOOL CFaultyFileSystem::CloseHandle(HANDLE hObject) {
  return m_inner.CloseHandle(hObject);
}

DWORD CFaultyFileSystem::GetModuleFileNameA(char* lpFilename, DWORD nSize) {
  return m_inner.GetModuleFileNameA(lpFilename, nSize);
}
