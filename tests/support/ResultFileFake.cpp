#include "ResultFileFake.h"

#include <cstring>

#include "platform/LastError.h"

namespace {
template <typename T>
T Unsupported(T result) {
  SetLastError(ERROR_NOT_SUPPORTED);
  return result;
}
}  // namespace

HANDLE CResultFileFake::FindFirstFileA(const char*, WIN32_FIND_DATAA*) {
  return Unsupported(INVALID_HANDLE_VALUE);
}
BOOL CResultFileFake::FindNextFileA(HANDLE, WIN32_FIND_DATAA*) {
  return Unsupported(FALSE);
}
BOOL CResultFileFake::FindClose(HANDLE) { return Unsupported(FALSE); }
BOOL CResultFileFake::DeleteFileA(const char*) { return Unsupported(FALSE); }
BOOL CResultFileFake::RemoveDirectoryA(const char*) {
  return Unsupported(FALSE);
}
BOOL CResultFileFake::CopyFileA(const char*, const char*, BOOL) {
  return Unsupported(FALSE);
}
UINT CResultFileFake::GetSystemDirectoryA(char*, UINT) {
  return Unsupported(0u);
}
UINT CResultFileFake::GetWindowsDirectoryA(char*, UINT) {
  return Unsupported(0u);
}
DWORD CResultFileFake::GetTempPathA(DWORD, char*) { return Unsupported(0u); }

HANDLE CResultFileFake::CreateFileA(const char* lpFileName, DWORD, DWORD,
                                    DWORD dwCreationDisposition, DWORD) {
  if (m_bFailCreate) {
    SetLastError(m_dwError);
    return INVALID_HANDLE_VALUE;
  }
  if (dwCreationDisposition == CREATE_ALWAYS) m_files[lpFileName].clear();
  HANDLE hFile = reinterpret_cast<HANDLE>(m_next++);
  m_handles[hFile] = lpFileName;
  ++m_nOpen;
  return hFile;
}

BOOL CResultFileFake::WriteFile(HANDLE hFile, const void* lpBuffer, DWORD cb,
                                DWORD* pcbWritten) {
  if (m_bFailWrite || !m_handles.count(hFile)) {
    SetLastError(m_bFailWrite ? m_dwError : ERROR_INVALID_HANDLE);
    return FALSE;
  }
  m_files[m_handles[hFile]].append(static_cast<const char*>(lpBuffer), cb);
  *pcbWritten = cb;
  return TRUE;
}

BOOL CResultFileFake::CloseHandle(HANDLE hObject) {
  if (!m_handles.erase(hObject)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  --m_nOpen;
  return TRUE;
}

DWORD CResultFileFake::GetModuleFileNameA(char* lpFilename, DWORD nSize) {
  const char kPath[] = "C:\\Tools\\quorrel.exe";
  if (nSize < sizeof(kPath)) return Unsupported(0u);
  std::memcpy(lpFilename, kPath, sizeof(kPath));
  return sizeof(kPath) - 1;
}

BOOL CResultFileFake::ResolvePath(const char*, std::string*) {
  return Unsupported(FALSE);
}
