#include "Win32FileSystem.h"

#include <vector>

namespace {
typedef DWORD(WINAPI* CFinalPathFn)(HANDLE, char*, DWORD, DWORD);

bool IsSlash(char ch) { return ch == '\\' || ch == '/'; }

// Vista's GetFinalPathNameByHandleA, looked up at run time: it follows
// links, junctions, mount points and SUBST drives in one call.
CFinalPathFn FinalPathFunction() {
  const HMODULE hKernel = GetModuleHandleA("kernel32.dll");
  return hKernel ? reinterpret_cast<CFinalPathFn>(reinterpret_cast<void*>(
                       GetProcAddress(hKernel, "GetFinalPathNameByHandleA")))
                 : nullptr;
}

// The final path of an existing file or folder, without the "\\?\" that
// the call puts in front; a path on a volume without a drive letter fails.
bool FinalPath(CFinalPathFn pfnFinal, const std::string& strPath,
               std::string* pstrFinal) {
  const HANDLE hFile = ::CreateFileA(
      strPath.c_str(), 0,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (hFile == INVALID_HANDLE_VALUE) return false;
  std::vector<char> buffer(32768);
  const DWORD nLength =
      pfnFinal(hFile, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
  const DWORD dwError = GetLastError();
  ::CloseHandle(hFile);
  if (nLength == 0 || nLength >= buffer.size()) {
    SetLastError(nLength == 0 ? dwError : ERROR_CANT_RESOLVE_FILENAME);
    return false;
  }
  std::string strFinal(buffer.data(), nLength);
  if (strFinal.compare(0, 8, "\\\\?\\UNC\\") == 0)
    strFinal = "\\\\" + strFinal.substr(8);
  else if (strFinal.compare(0, 4, "\\\\?\\") == 0)
    strFinal = strFinal.substr(4);
  *pstrFinal = strFinal;
  return true;
}

// NT 4.0 to XP: the drive a SUBST drive stands for is followed, each
// existing name is read back as the folder lists it (long, in its stored
// case), and a junction or other reparse point on the way fails the
// resolution: where it leads can't be told without the later call.
bool WalkedPath(std::string strPath, std::string* pstrReal) {
  if (strPath.size() >= 2 && strPath[1] == ':') {
    char szTarget[MAX_PATH] = "";
    if (QueryDosDeviceA(strPath.substr(0, 2).c_str(), szTarget,
                        sizeof(szTarget)) != 0 &&
        std::string(szTarget).compare(0, 4, "\\??\\") == 0)
      strPath = std::string(szTarget + 4) + strPath.substr(2);
  }
  size_t nStart = strPath.find('\\', 3);
  std::string strReal =
      strPath.substr(0, nStart == std::string::npos ? strPath.size() : nStart);
  for (bool bExists = true; nStart != std::string::npos;) {
    const size_t nEnd = strPath.find('\\', nStart + 1);
    const std::string strName = strPath.substr(
        nStart + 1,
        nEnd == std::string::npos ? std::string::npos : nEnd - nStart - 1);
    nStart = nEnd;
    if (strName.empty()) continue;
    WIN32_FIND_DATAA data;
    const HANDLE hFind =
        bExists ? ::FindFirstFileA((strReal + "\\" + strName).c_str(), &data)
                : INVALID_HANDLE_VALUE;
    if (hFind == INVALID_HANDLE_VALUE) {
      bExists = false;
      strReal += "\\" + strName;
      continue;
    }
    ::FindClose(hFind);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      SetLastError(ERROR_CANT_RESOLVE_FILENAME);
      return false;
    }
    strReal += std::string("\\") + data.cFileName;
  }
  *pstrReal = strReal;
  return true;
}
}  // namespace

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
  // A link (reparse point), folder or device of that name is refused
  // before it is opened, and anything but a disk file after.
  const DWORD dwAttributes = ::GetFileAttributesA(lpFileName);
  if (dwAttributes != INVALID_FILE_ATTRIBUTES &&
      (dwAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT |
                       FILE_ATTRIBUTE_DEVICE))) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  // Not inheritable (no security attributes), no template file.
  const HANDLE hFile =
      ::CreateFileA(lpFileName, dwDesiredAccess, dwShareMode, nullptr,
                    dwCreationDisposition, dwFlagsAndAttributes, nullptr);
  const DWORD dwOpenError = GetLastError();  // ERROR_ALREADY_EXISTS or 0
  if (hFile == INVALID_HANDLE_VALUE) return hFile;
  if (::GetFileType(hFile) == FILE_TYPE_DISK) {
    SetLastError(dwOpenError);
    return hFile;
  }
  ::CloseHandle(hFile);
  SetLastError(ERROR_ACCESS_DENIED);
  return INVALID_HANDLE_VALUE;
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

BOOL CWin32FileSystem::ResolvePath(const char* lpPath, std::string* pstrReal) {
  const std::string strGiven = lpPath ? lpPath : "";
  const bool bFull =
      (strGiven.size() >= 3 && strGiven[1] == ':' && IsSlash(strGiven[2])) ||
      (strGiven.size() >= 2 && IsSlash(strGiven[0]) && IsSlash(strGiven[1]));
  if (!bFull) {
    SetLastError(ERROR_INVALID_NAME);
    return FALSE;
  }
  // "." and "..", forward slashes and trailing dots, as the system reads
  // them when it opens the path.
  std::vector<char> full(32768);
  char* pszName = nullptr;
  const DWORD nFull = ::GetFullPathNameA(
      strGiven.c_str(), static_cast<DWORD>(full.size()), full.data(), &pszName);
  if (nFull == 0 || nFull >= full.size()) return FALSE;
  std::string strFull(full.data(), nFull);
  while (strFull.size() > 3 && strFull.back() == '\\') strFull.pop_back();

  const CFinalPathFn pfnFinal = FinalPathFunction();
  if (pfnFinal == nullptr) return WalkedPath(strFull, pstrReal) ? TRUE : FALSE;
  // The longest part that exists is resolved by the system; the names
  // after it stay as given.
  std::string strExisting = strFull, strRest;
  for (;;) {
    std::string strFinal;
    if (FinalPath(pfnFinal, strExisting, &strFinal)) {
      if (!strRest.empty() && strFinal.back() == '\\') strFinal.pop_back();
      *pstrReal = strFinal + strRest;
      return TRUE;
    }
    const DWORD dwError = GetLastError();
    const size_t nSlash = strExisting.find_last_of('\\');
    if ((dwError != ERROR_FILE_NOT_FOUND && dwError != ERROR_PATH_NOT_FOUND) ||
        nSlash == std::string::npos || strExisting.size() <= 3)
      return FALSE;
    strRest = strExisting.substr(nSlash) + strRest;
    // A drive's root keeps its backslash.
    strExisting = strExisting.substr(0, nSlash == 2 ? 3 : nSlash);
  }
}
