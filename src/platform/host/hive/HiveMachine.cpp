#include "HiveMachine.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace {
bool IsFile(const std::string& strPath) {
  struct stat st;
  return !strPath.empty() && stat(strPath.c_str(), &st) == 0 &&
         S_ISREG(st.st_mode);
}

// Follows a relative path one name at a time; empty when a name is missing.
std::string FindPathNoCase(const std::string& strBase,
                           std::initializer_list<const char*> names) {
  std::string strPath = strBase;
  for (const char* pszName : names) {
    strPath = FindEntryNoCase(strPath, pszName);
    if (strPath.empty()) return strPath;
  }
  return strPath;
}

// The file in the folder, or the name it would have.
std::string FileInFolder(const std::string& strDir, const char* pszName) {
  const std::string strFound = FindEntryNoCase(strDir, pszName);
  return strFound.empty() ? strDir + "/" + pszName : strFound;
}

bool FindProfile(const std::string& strMachine, const std::string& strUser,
                 CHiveMachine* pMachine) {
  const std::string strFolder =
      FindPathNoCase(strMachine, {"WINNT", "Profiles", strUser.c_str()});
  if (strFolder.empty()) return false;
  const std::string strFile = FindEntryNoCase(strFolder, "NTUSER.DAT");
  if (!IsFile(strFile)) return false;
  pMachine->strUser = strFile;
  pMachine->strUserFolder = strFolder.substr(strFolder.rfind('/') + 1);
  return true;
}
}  // namespace

std::string FindEntryNoCase(const std::string& strDir,
                            const std::string& strName) {
  DIR* pDir = opendir(strDir.c_str());
  if (pDir == nullptr) return std::string();
  std::string strFound;
  while (const dirent* pEntry = readdir(pDir)) {
    if (strcasecmp(pEntry->d_name, strName.c_str()) != 0) continue;
    strFound = strDir + "/" + pEntry->d_name;
    // An exact match wins over one differing in case.
    if (strName == pEntry->d_name) break;
  }
  closedir(pDir);
  return strFound;
}

bool FindHiveMachine(const std::string& strMachine, const std::string& strUser,
                     CHiveMachine* pMachine) {
  const std::string strConfig =
      FindPathNoCase(strMachine, {"WINNT", "system32", "config"});
  if (strConfig.empty()) return false;
  const std::string strSystem = FindEntryNoCase(strConfig, "SYSTEM");
  if (!IsFile(strSystem)) return false;
  *pMachine = CHiveMachine();
  pMachine->strConfigDir = strConfig;
  pMachine->strSystem = strSystem;
  const std::string strMirror = FindEntryNoCase(strConfig, "SYSTEM.ALT");
  if (IsFile(strMirror)) pMachine->strSystemMirror = strMirror;
  pMachine->strSoftware = FileInFolder(strConfig, "SOFTWARE");
  pMachine->strDefault = FileInFolder(strConfig, "DEFAULT");
  if (!FindProfile(strMachine, strUser, pMachine))
    FindProfile(strMachine, "Administrator", pMachine);
  return true;
}
