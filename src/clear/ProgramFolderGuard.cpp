#include "ProgramFolderGuard.h"

#include <vector>

#include "ResolvedFolder.h"
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
// The shell folders of the users' own files; each lies in a profile, unless
// moved elsewhere. Desktop, Personal, Start Menu, Programs and Startup, for
// the user and for all users.
const int kUserFolders[] = {0x0010,
                            0x0019,
                            0x0005,
                            0x000B,
                            0x0016,
                            CSIDL_PROGRAMS,
                            CSIDL_COMMON_PROGRAMS,
                            0x0007,
                            0x0018};

bool IsDriveLetter(char ch) {
  return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

bool IsFullPath(const std::string& strPath) {
  if (strPath.size() >= 3 && IsDriveLetter(strPath[0]) && strPath[1] == ':')
    return strPath[2] == '\\';
  return strPath.compare(0, 2, "\\\\") == 0;
}

// FALSE when a folder on the way is a link: the name given is not the
// folder the user sees under that name.
bool LeadsThroughNoLink(const std::string& strPath) {
  // The root ("C:" or "\\\\server\\share") is no link.
  size_t nStart = 2;
  if (strPath[1] != ':') nStart = strPath.find('\\', strPath.find('\\', 2) + 1);
  std::string strWay = strPath.substr(0, nStart);
  while (nStart != std::string::npos) {
    const size_t nEnd = strPath.find('\\', nStart + 1);
    const std::string strName = strPath.substr(
        nStart + 1, nEnd == std::string::npos ? nEnd : nEnd - nStart - 1);
    nStart = nEnd;
    if (strName.empty() || strName == "." || strName == "..") continue;
    WIN32_FIND_DATAA data;
    const CScopedFind find(
        Files().FindFirstFileA((strWay + "\\" + strName).c_str(), &data));
    if (find.Get() == INVALID_HANDLE_VALUE) return true;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return false;
    strWay += std::string("\\") + data.cFileName;
  }
  return true;
}

// What is refused of the path as typed, before it is resolved: a relative
// path, wildcards, a link on the way.
bool IsPlainFullPath(std::string strPath) {
  for (char& ch : strPath)
    if (ch == '/') ch = '\\';
  if (!IsFullPath(strPath)) return false;
  if (strPath.find_first_of("*?<>\"|", 0) != std::string::npos ||
      strPath.find(':', 2) != std::string::npos)
    return false;
  return LeadsThroughNoLink(strPath);
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

// The users' shell folders, wherever the system keeps them.
void AddUserShellFolders(std::vector<std::string>* pFolders) {
  for (int nFolder : kUserFolders) {
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

// Folders that are refused with everything inside them and everything
// above them: the system's own, the users' and the machine's store.
std::vector<CPathParts> WholeFolders(const std::string& strWindows) {
  std::vector<std::string> paths = {strWindows};
  AddProfileFolders(strWindows, &paths);
  AddUserShellFolders(&paths);
  std::vector<CPathParts> folders;
  for (const std::string& strPath : paths)
    folders.push_back(ResolvedParts(strPath));
  for (const std::string& strReserved : Files().ReservedPaths())
    folders.push_back(PathParts(strReserved));
  return folders;
}

// Folders that are refused themselves and with everything above them;
// what lies inside them may be a program's folder.
std::vector<CPathParts> SharedFolders(const std::string& strWindows,
                                      const std::string& strSystem) {
  std::vector<std::string> paths = {strSystem};
  AddProgramFilesFolders(strWindows, &paths);
  std::string strTemp;
  if (FetchTempPath(&strTemp)) paths.push_back(strTemp);
  std::vector<CPathParts> folders;
  for (const std::string& strPath : paths)
    folders.push_back(ResolvedParts(strPath));
  return folders;
}
}  // namespace

BOOL IsProtectedFolder(const std::string& strFolder,
                       const std::string& strWindows,
                       const std::string& strSystem) {
  if (!IsPlainFullPath(strFolder)) return TRUE;
  const CPathParts folder = ResolvedParts(strFolder);
  // Nothing below the root: a drive or a share as a whole.
  if (folder.size() < 2) return TRUE;
  for (const CPathParts& whole : WholeFolders(strWindows))
    if (IsAtOrAbove(whole, folder) || IsAtOrAbove(folder, whole)) return TRUE;
  for (const CPathParts& shared : SharedFolders(strWindows, strSystem))
    if (IsAtOrAbove(folder, shared)) return TRUE;
  return FALSE;
}

BOOL IsOfferedProgramFolder(const char* pszFolder) {
  std::string strSystem, strWindows;
  if (!FetchSystemDirectory(&strSystem) || !FetchWindowsDirectory(&strWindows))
    return FALSE;
  return !IsProtectedFolder(pszFolder ? pszFolder : "", strWindows, strSystem);
}

BOOL ResolveProgramFolder(const std::string& strFolder,
                          const std::string& strSystem, std::string* pstrReal) {
  if (!CheckProgramFolder(strFolder, strSystem)) return FALSE;
  if (Files().ResolvePath(strFolder.c_str(), pstrReal)) return TRUE;
  AfxFormatMessageBox(IDS_NOT_A_PROGRAM_FOLDER, MB_OK | MB_ICONSTOP,
                      strFolder.c_str());
  return FALSE;
}

BOOL CheckProgramFolder(const std::string& strFolder,
                        const std::string& strSystem) {
  std::string strWindows;
  if (!FetchWindowsDirectoryOrReport(&strWindows)) return FALSE;
  if (!IsProtectedFolder(strFolder, strWindows, strSystem)) return TRUE;
  AfxFormatMessageBox(IDS_NOT_A_PROGRAM_FOLDER, MB_OK | MB_ICONSTOP,
                      strFolder.c_str());
  return FALSE;
}
