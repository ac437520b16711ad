#include "TempDirectory.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

CTempDirectory::CTempDirectory() {
  const char* pszTmp = std::getenv("TMPDIR");
  std::string strTemplate =
      std::string(pszTmp && *pszTmp ? pszTmp : "/tmp") + "/quorrel-test-XXXXXX";
  if (mkdtemp(&strTemplate[0]) != nullptr) m_strPath = strTemplate;
}

CTempDirectory::~CTempDirectory() {
  if (!m_strPath.empty()) RemoveHostTree(m_strPath);
}

void MakeHostDirectory(const std::string& strPath) {
  const size_t nSlash = strPath.find_last_of('/');
  if (nSlash != std::string::npos && nSlash > 0 &&
      !HostExists(strPath.substr(0, nSlash)))
    MakeHostDirectory(strPath.substr(0, nSlash));
  mkdir(strPath.c_str(), 0755);
}

void WriteHostFile(const std::string& strPath, const std::string& strContent) {
  const size_t nSlash = strPath.find_last_of('/');
  if (nSlash != std::string::npos) MakeHostDirectory(strPath.substr(0, nSlash));
  std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
  out << strContent;
}

std::string ReadHostFile(const std::string& strPath) {
  std::ifstream in(strPath, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool HostExists(const std::string& strPath) {
  struct stat st;
  return lstat(strPath.c_str(), &st) == 0;
}

void SetHostReadOnly(const std::string& strPath, bool bReadOnly) {
  struct stat st;
  if (stat(strPath.c_str(), &st) != 0) return;
  chmod(strPath.c_str(),
        bReadOnly ? (st.st_mode & ~0222) : (st.st_mode | S_IWUSR));
}

namespace {
void List(const std::string& strRoot, const std::string& strRelative,
          std::vector<std::string>* pOut) {
  DIR* pDir = opendir((strRoot + "/" + strRelative).c_str());
  if (pDir == nullptr) return;
  while (const dirent* pEntry = readdir(pDir)) {
    const std::string strName = pEntry->d_name;
    if (strName == "." || strName == "..") continue;
    const std::string strChild =
        strRelative.empty() ? strName : strRelative + "/" + strName;
    struct stat st;
    if (lstat((strRoot + "/" + strChild).c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      pOut->push_back(strChild + "/");
      List(strRoot, strChild, pOut);
    } else {
      pOut->push_back(strChild + "=" + ReadHostFile(strRoot + "/" + strChild));
    }
  }
  closedir(pDir);
}
}  // namespace

std::vector<std::string> HostTreeListing(const std::string& strDirectory) {
  std::vector<std::string> listing;
  List(strDirectory, "", &listing);
  std::sort(listing.begin(), listing.end());
  return listing;
}

void RemoveHostTree(const std::string& strPath) {
  struct stat st;
  if (lstat(strPath.c_str(), &st) != 0) return;
  if (S_ISDIR(st.st_mode)) {
    chmod(strPath.c_str(), 0755);
    if (DIR* pDir = opendir(strPath.c_str())) {
      while (const dirent* pEntry = readdir(pDir)) {
        const std::string strName = pEntry->d_name;
        if (strName != "." && strName != "..")
          RemoveHostTree(strPath + "/" + strName);
      }
      closedir(pDir);
    }
    rmdir(strPath.c_str());
  } else {
    unlink(strPath.c_str());
  }
}
