#include "TempDir.h"

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace {
int RemoveEntry(const char* pszPath, const struct stat*, int, struct FTW*) {
  return remove(pszPath);
}
}  // namespace

CTempDir::CTempDir() {
  const char* pszBase = std::getenv("TMPDIR");
  std::string strTemplate =
      std::string(pszBase && *pszBase ? pszBase : "/tmp") + "/quorrel-XXXXXX";
  std::vector<char> buffer(strTemplate.begin(), strTemplate.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) != nullptr) m_strPath = buffer.data();
}

CTempDir::~CTempDir() {
  if (!m_strPath.empty())
    nftw(m_strPath.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

std::string ReadFile(const std::string& strPath) {
  std::ifstream in(strPath, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& strPath, const std::string& strBytes) {
  std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
  out << strBytes;
}

bool FileExists(const std::string& strPath) {
  struct stat st;
  return stat(strPath.c_str(), &st) == 0;
}
