#include "HostPath.h"

#include <dirent.h>
#include <strings.h>
#include <unistd.h>

#include <vector>

namespace {
std::vector<std::string> SplitComponents(const std::string& strPath) {
  std::vector<std::string> parts;
  std::string strPart;
  for (char ch : strPath) {
    if (ch == '\\' || ch == '/') {
      if (!strPart.empty()) parts.push_back(strPart);
      strPart.clear();
    } else {
      strPart += ch;
    }
  }
  if (!strPart.empty()) parts.push_back(strPart);
  return parts;
}

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return "/";
  return buffer.data();
}

bool IsSlash(char ch) { return ch == '\\' || ch == '/'; }

// The host path made of a root and the components below it, each matched
// against the names on disk. nKeep components of the root are never left by
// "..".
std::string Resolve(const std::string& strRoot,
                    const std::vector<std::string>& parts) {
  std::vector<std::string> resolved;
  for (const std::string& strPart : parts) {
    if (strPart == ".") continue;
    if (strPart == "..") {
      if (!resolved.empty()) resolved.pop_back();
      continue;
    }
    std::string strDirectory = strRoot;
    for (const std::string& strDone : resolved) strDirectory += "/" + strDone;
    resolved.push_back(
        HostNameOnDisk(strDirectory.empty() ? "/" : strDirectory, strPart));
  }
  std::string strHost = strRoot;
  for (const std::string& strDone : resolved) strHost += "/" + strDone;
  return strHost.empty() ? "/" : strHost;
}
}  // namespace

std::string HostNameOnDisk(const std::string& strDirectory,
                           const std::string& strName) {
  DIR* pDir = opendir(strDirectory.c_str());
  if (pDir == nullptr) return strName;
  std::string strFound;
  while (const dirent* pEntry = readdir(pDir)) {
    const std::string strEntry = pEntry->d_name;
    if (strEntry == strName) {
      strFound = strEntry;
      break;
    }
    if (strcasecmp(strEntry.c_str(), strName.c_str()) == 0 &&
        (strFound.empty() || strEntry < strFound))
      strFound = strEntry;
  }
  closedir(pDir);
  return strFound.empty() ? strName : strFound;
}

CHostPath::CHostPath(std::string strMachine)
    : m_strMachine(std::move(strMachine)) {
  while (m_strMachine.size() > 1 && m_strMachine.back() == '/')
    m_strMachine.pop_back();
}

DWORD CHostPath::ToHost(const std::string& strWindows,
                        std::string* pstrHost) const {
  if (strWindows.empty()) return ERROR_PATH_NOT_FOUND;
  if (strWindows.size() >= 2 && IsSlash(strWindows[0]) &&
      IsSlash(strWindows[1]))
    return ERROR_PATH_NOT_FOUND;  // UNC: no network on this machine
  if (strWindows[0] == '/') {
    // A host path: the root of the host, components as given.
    *pstrHost = Resolve("", SplitComponents(strWindows));
    return ERROR_SUCCESS;
  }
  if (strWindows.size() >= 2 && strWindows[1] == ':') {
    if (strWindows[0] != 'C' && strWindows[0] != 'c')
      return ERROR_PATH_NOT_FOUND;
    *pstrHost = Resolve(m_strMachine, SplitComponents(strWindows.substr(2)));
    return ERROR_SUCCESS;
  }
  if (IsSlash(strWindows[0])) {
    *pstrHost = Resolve(m_strMachine, SplitComponents(strWindows));
    return ERROR_SUCCESS;
  }
  // Relative: below the real current directory, which ".." may leave.
  std::vector<std::string> parts = SplitComponents(CurrentDirectory());
  for (const std::string& strPart : SplitComponents(strWindows))
    parts.push_back(strPart);
  *pstrHost = Resolve("", parts);
  return ERROR_SUCCESS;
}

std::string CHostPath::ToWindows(const std::string& strHost) const {
  const std::string& strRoot = m_strMachine;
  if (strHost == strRoot) return "C:\\";
  if (strHost.compare(0, strRoot.size(), strRoot) != 0 ||
      strHost.size() <= strRoot.size() || strHost[strRoot.size()] != '/')
    return strHost;
  std::string strWindows = "C:";
  for (size_t i = strRoot.size(); i < strHost.size(); ++i)
    strWindows += strHost[i] == '/' ? '\\' : strHost[i];
  return strWindows;
}
