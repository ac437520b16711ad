#include "ProgramFolderGuard.h"

#include <vector>

#include "SystemFolders.h"
#include "fw/MessageBox.h"
#include "platform/NameCase.h"
#include "platform/Platform.h"
#include "res/ClearStringIds.h"
#include "sys/RegistryOps.h"
#include "sys/ScopedHandles.h"

namespace {
const char kCurrentVersionKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char* const kProgramFilesValues[] = {"ProgramFilesDir",
                                           "ProgramFilesDir (x86)"};
const char kProfileListKey[] =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
const int kProgramsFolders[] = {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS};

// A full path as its root ("C:" or "\\server\share") and its folder names,
// upper-cased for comparing. Empty when the path is not one folder for
// certain.
typedef std::vector<std::string> CPathParts;

std::vector<std::string> SplitAtBackslashes(const std::string& strPath) {
  std::vector<std::string> names;
  size_t nStart = 0;
  for (size_t nSlash;
       (nSlash = strPath.find('\\', nStart)) != std::string::npos;
       nStart = nSlash + 1)
    names.push_back(strPath.substr(nStart, nSlash - nStart));
  names.push_back(strPath.substr(nStart));
  return names;
}

bool IsDriveLetter(char ch) {
  return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

// The root, and the rest of the path behind it; FALSE for a relative path.
bool SplitRoot(const std::string& strPath, std::string* pstrRoot,
               std::string* pstrRest) {
  if (strPath.size() >= 3 && IsDriveLetter(strPath[0]) && strPath[1] == ':' &&
      strPath[2] == '\\') {
    *pstrRoot = strPath.substr(0, 2);
    *pstrRest = strPath.substr(3);
    return true;
  }
  if (strPath.compare(0, 2, "\\\\") != 0) return false;
  const size_t nShare = strPath.find('\\', 2);
  if (nShare == std::string::npos || nShare == 2) return false;
  const size_t nRest = strPath.find('\\', nShare + 1);
  *pstrRoot = strPath.substr(0, nRest);
  *pstrRest = nRest == std::string::npos ? "" : strPath.substr(nRest + 1);
  return pstrRoot->size() > nShare + 1;
}

// Windows drops trailing dots and spaces of a name: "WINNT." is WINNT.
std::string WithoutTrailingDots(std::string strName) {
  while (!strName.empty() && (strName.back() == '.' || strName.back() == ' '))
    strName.pop_back();
  return strName;
}

// The name as the folder is listed (its long name, as stored); FALSE when
// the entry is a link, whose folder may lie anywhere. A name that isn't
// there stays as given.
bool ListedName(const std::string& strParent, std::string* pstrName) {
  WIN32_FIND_DATAA data;
  const HANDLE hFind =
      Files().FindFirstFileA((strParent + "\\" + *pstrName).c_str(), &data);
  if (hFind == INVALID_HANDLE_VALUE) return true;
  Files().FindClose(hFind);
  if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return false;
  *pstrName = data.cFileName;
  return true;
}

CPathParts FolderParts(std::string strPath) {
  for (char& ch : strPath)
    if (ch == '/') ch = '\\';
  std::string strRoot, strRest;
  if (!SplitRoot(strPath, &strRoot, &strRest)) return CPathParts();
  if (strRest.find_first_of("*?<>\"|:") != std::string::npos)
    return CPathParts();
  std::vector<std::string> names;
  for (const std::string& strGiven : SplitAtBackslashes(strRest)) {
    if (strGiven.empty() || strGiven == ".") continue;
    if (strGiven == "..") {
      if (!names.empty()) names.pop_back();
      continue;
    }
    std::string strWay = strRoot;
    for (const std::string& strAbove : names) strWay += "\\" + strAbove;
    std::string strName = WithoutTrailingDots(strGiven);
    if (strName.empty() || !ListedName(strWay, &strName)) return CPathParts();
    names.push_back(strName);
  }
  CPathParts parts = {UpperName(strRoot)};
  for (const std::string& strName : names) parts.push_back(UpperName(strName));
  return parts;
}

// True when every part of the first is the same part of the second: the
// same folder, or one above it.
bool IsAtOrAbove(const CPathParts& folder, const CPathParts& other) {
  if (folder.empty() || other.size() < folder.size()) return false;
  for (size_t i = 0; i < folder.size(); ++i)
    if (folder[i] != other[i]) return false;
  return true;
}

// %SystemRoot%, %WinDir% and %SystemDrive%, as profile paths are stored.
std::string Expanded(std::string strPath, const std::string& strWindows) {
  const struct {
    const char* pszName;
    std::string strValue;
  } kVariables[] = {{"%SYSTEMROOT%", strWindows},
                    {"%WINDIR%", strWindows},
                    {"%SYSTEMDRIVE%", strWindows.substr(0, 2)}};
  for (const auto& variable : kVariables) {
    const size_t nAt = UpperName(strPath).find(variable.pszName);
    if (nAt != std::string::npos)
      strPath.replace(nAt, std::string(variable.pszName).size(),
                      variable.strValue);
  }
  return strPath;
}

void AddProgramFilesFolders(const std::string& strWindows,
                            std::vector<std::string>* pFolders) {
  pFolders->push_back(strWindows.substr(0, 2) + "\\Program Files");
  for (const char* pszValue : kProgramFilesValues) {
    std::string strFolder;
    ReadRegString(HKEY_LOCAL_MACHINE, kCurrentVersionKey, pszValue, &strFolder);
    if (!strFolder.empty()) pFolders->push_back(strFolder);
  }
}

// Every profile the system lists, and the folder that holds them.
void AddProfileFolders(const std::string& strWindows,
                       std::vector<std::string>* pFolders) {
  CScopedRegKey profiles;
  if (!OpenRegKey(HKEY_LOCAL_MACHINE, kProfileListKey, profiles.Receive()))
    return;
  std::string strFolder;
  QueryRegString(profiles.Get(), "ProfilesDirectory", &strFolder);
  if (!strFolder.empty()) pFolders->push_back(Expanded(strFolder, strWindows));
  for (DWORD nIndex = 0;; ++nIndex) {
    const std::string strProfile = EnumRegSubkey(profiles.Get(), nIndex);
    if (strProfile.empty()) break;
    ReadRegString(profiles.Get(), strProfile, "ProfileImagePath", &strFolder);
    if (!strFolder.empty())
      pFolders->push_back(Expanded(strFolder, strWindows));
  }
}

// The Programs folders of the Start menu lie in the profiles of the current
// user and of all users, wherever the system keeps those.
void AddProgramsFolders(std::vector<std::string>* pFolders) {
  for (int nFolder : kProgramsFolders) {
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(Shell().SHGetSpecialFolderLocation(nullptr, nFolder, &pidl)) ||
        pidl == nullptr)
      continue;
    char szPath[MAX_PATH] = "";
    if (Shell().SHGetPathFromIDListA(pidl, szPath)) pFolders->push_back(szPath);
    if (IShellMalloc* pMalloc = Shell().SHGetMalloc()) {
      pMalloc->Free(pidl);
      pMalloc->Release();
    }
  }
}
}  // namespace

BOOL IsProtectedFolder(const std::string& strFolder,
                       const std::string& strWindows,
                       const std::string& strSystem) {
  const CPathParts folder = FolderParts(strFolder);
  // Nothing below the root: a drive or a share as a whole.
  if (folder.size() < 2) return TRUE;
  const CPathParts windows = FolderParts(strWindows);
  if (IsAtOrAbove(windows, folder)) return TRUE;

  std::vector<std::string> guarded = {strWindows, strSystem};
  AddProgramFilesFolders(strWindows, &guarded);
  AddProfileFolders(strWindows, &guarded);
  AddProgramsFolders(&guarded);
  for (const std::string& strGuarded : guarded)
    if (IsAtOrAbove(folder, FolderParts(strGuarded))) return TRUE;
  return FALSE;
}

BOOL CheckProgramFolder(const std::string& strFolder) {
  std::string strSystem, strWindows;
  if (!FetchSystemDirectory(&strSystem)) {
    AfxFormatMessageBox(IDS_GET_SYSTEM_DIRECTORY_FAILED,
                        MB_OK | MB_ICONEXCLAMATION,
                        static_cast<int>(GetLastError()));
    return FALSE;
  }
  if (!FetchWindowsDirectory(&strWindows)) {
    AfxFormatMessageBox(IDS_GET_WINDOWS_DIRECTORY_FAILED,
                        MB_OK | MB_ICONEXCLAMATION,
                        static_cast<int>(GetLastError()));
    return FALSE;
  }
  if (!IsProtectedFolder(strFolder, strWindows, strSystem)) return TRUE;
  AfxFormatMessageBox(IDS_NOT_A_PROGRAM_FOLDER, MB_OK | MB_ICONSTOP,
                      strFolder.c_str());
  return FALSE;
}
