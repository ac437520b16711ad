#include "HostPath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <vector>

#include "platform/NameCase.h"

namespace {
bool StartsWithNoCase(const std::string& str, const std::string& strPrefix) {
  return str.size() >= strPrefix.size() &&
         SameName(str.substr(0, strPrefix.size()), strPrefix);
}

std::vector<std::string> SplitComponents(const std::string& strPath) {
  std::vector<std::string> components;
  std::string strPart;
  for (char ch : strPath) {
    if (ch == '\\' || ch == '/') {
      if (!strPart.empty()) components.push_back(strPart);
      strPart.clear();
    } else {
      strPart += ch;
    }
  }
  if (!strPart.empty()) components.push_back(strPart);
  return components;
}

// The name of an entry of strDir that matches strName without regard to
// case; strName itself when none does (exact matches win).
std::string NameOnDisk(const std::string& strDir, const std::string& strName) {
  DIR* pDir = opendir(strDir.c_str());
  if (pDir == nullptr) return strName;
  std::string strFound = strName;
  bool bExact = false;
  while (dirent* pEntry = readdir(pDir)) {
    if (!SameName(pEntry->d_name, strName)) continue;
    if (strName == pEntry->d_name) bExact = true;
    if (!bExact) strFound = pEntry->d_name;
  }
  closedir(pDir);
  return bExact ? strName : strFound;
}

// The path as spelt, when it exists so on disk: exact names win, so no
// folder needs to be listed. Without "." and "..", which the kernel would
// apply after links where Windows applies them to the text.
bool ExistsAsSpelt(const std::string& strBase,
                   const std::vector<std::string>& components,
                   std::string* pstrPath, struct stat* pst) {
  std::string strPath = strBase;
  for (const std::string& strPart : components) {
    if (strPart == "." || strPart == "..") return false;
    strPath += "/" + strPart;
  }
  if (lstat(strPath.empty() ? "/" : strPath.c_str(), pst) != 0) return false;
  *pstrPath = strPath.empty() ? "/" : strPath;
  return true;
}

std::string Resolve(const std::string& strBase,
                    const std::vector<std::string>& components,
                    struct stat* pst) {
  std::string strPath = strBase;
  if (ExistsAsSpelt(strBase, components, &strPath, pst)) return strPath;
  pst->st_mode = 0;
  for (const std::string& strPart : components) {
    if (strPart == ".") continue;
    if (strPart == "..") {
      const size_t slash = strPath.find_last_of('/');
      if (slash != std::string::npos && slash >= strBase.size())
        strPath.erase(slash);
      continue;
    }
    strPath += "/" + NameOnDisk(strPath.empty() ? "/" : strPath, strPart);
  }
  return strPath.empty() ? "/" : strPath;
}

std::string ExpandSystemRoot(const std::string& strPath) {
  static const std::string kVariable = "%SystemRoot%";
  const size_t pos = strPath.find("%");
  if (pos == std::string::npos ||
      !StartsWithNoCase(strPath.substr(pos), kVariable))
    return strPath;
  return strPath.substr(0, pos) + kHostSystemRoot +
         strPath.substr(pos + kVariable.size());
}

bool HasDrive(const std::string& strPath) {
  return strPath.size() >= 2 && strPath[1] == ':';
}

// The executable of a command line: the quoted part, or the first word.
std::string CommandFile(const std::string& strCommand) {
  if (!strCommand.empty() && strCommand[0] == '"') {
    const size_t end = strCommand.find('"', 1);
    return strCommand.substr(
        1, end == std::string::npos ? std::string::npos : end - 1);
  }
  return strCommand.substr(0, strCommand.find(' '));
}
}  // namespace

std::string HostPathOfWindowsPath(const std::string& strMachine,
                                  const std::string& strWindowsPath) {
  struct stat st;
  return HostPathOfWindowsPath(strMachine, strWindowsPath, &st);
}

std::string HostPathOfWindowsPath(const std::string& strMachine,
                                  const std::string& strWindowsPath,
                                  struct stat* pstFound) {
  pstFound->st_mode = 0;
  if (!HasDrive(strWindowsPath)) return std::string();
  if (strWindowsPath.size() > 2 && strWindowsPath[2] != '\\') {
    return std::string();  // drive-relative ("C:x"): no current directory
  }
  const std::vector<std::string> components =
      SplitComponents(strWindowsPath.substr(2));
  switch (strWindowsPath[0]) {
    case 'C':
    case 'c':
      return Resolve(strMachine, components, pstFound);
    case 'Z':
    case 'z':
      return Resolve(std::string(), components, pstFound);
    default:
      return std::string();
  }
}

std::string WindowsPathOfHostPath(const std::string& strMachine,
                                  const std::string& strHostPath) {
  std::string strRest;
  std::string strDrive;
  if (strHostPath == strMachine ||
      strHostPath.compare(0, strMachine.size() + 1, strMachine + "/") == 0) {
    strDrive = "C:";
    strRest = strHostPath.substr(strMachine.size());
  } else {
    strDrive = "Z:";
    strRest = strHostPath;
  }
  std::string strWindows = strDrive;
  for (const std::string& strPart : SplitComponents(strRest))
    strWindows += "\\" + strPart;
  return strWindows.size() == 2 ? strWindows + "\\" : strWindows;
}

std::string ServiceImageFile(const std::string& strImagePath,
                             const std::string& strService,
                             bool bKernelDriver) {
  const std::string strSystemRoot = kHostSystemRoot;
  std::string strPath = ExpandSystemRoot(strImagePath);
  if (!bKernelDriver) return CommandFile(strPath);
  if (strPath.empty())
    return strSystemRoot + "\\System32\\drivers\\" + strService + ".sys";
  if (StartsWithNoCase(strPath, "\\??\\")) return strPath.substr(4);
  if (StartsWithNoCase(strPath, "\\SystemRoot\\"))
    return strSystemRoot + strPath.substr(11);
  if (HasDrive(strPath)) return strPath;
  if (strPath[0] == '\\') return "C:" + strPath;
  return strSystemRoot + "\\" + strPath;
}
