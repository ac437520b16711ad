#include "HostMachine.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace {
std::string DefaultMachineDirectory() {
  const char* pszData = std::getenv("XDG_DATA_HOME");
  if (pszData != nullptr && *pszData != '\0')
    return std::string(pszData) + "/quorrel/machine";
  const char* pszHome = std::getenv("HOME");
  const std::string strHome = (pszHome && *pszHome) ? pszHome : "/tmp";
  return strHome + "/.local/share/quorrel/machine";
}

std::string WithoutTrailingSlash(std::string strPath) {
  while (strPath.size() > 1 && strPath.back() == '/') strPath.pop_back();
  return strPath;
}
}  // namespace

bool HostMakeDirectories(const std::string& strPath) {
  if (strPath.empty()) return false;
  struct stat st;
  if (stat(strPath.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  const size_t slash = strPath.find_last_of('/');
  if (slash != std::string::npos && slash > 0 &&
      !HostMakeDirectories(strPath.substr(0, slash)))
    return false;
  return mkdir(strPath.c_str(), 0755) == 0 || errno == EEXIST;
}

std::string HostMachineDirectory() {
  const char* pszMachine = std::getenv("QUORREL_MACHINE");
  const std::string strMachine = WithoutTrailingSlash(
      (pszMachine && *pszMachine) ? pszMachine : DefaultMachineDirectory());
  return HostMakeDirectories(strMachine) ? strMachine : std::string();
}

