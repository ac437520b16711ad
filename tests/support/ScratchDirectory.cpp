#include "ScratchDirectory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

CScratchDirectory::CScratchDirectory() {
  const char* pszTemp = std::getenv("TMPDIR");
  std::string strTemplate =
      std::string(pszTemp && *pszTemp ? pszTemp : "/tmp") + "/quorrel-XXXXXX";
  if (mkdtemp(&strTemplate[0]) != nullptr) m_strPath = strTemplate;
}

CScratchDirectory::~CScratchDirectory() {
  if (m_strPath.empty()) return;
  std::error_code error;
  // Folders made read-only by a test must not keep their contents alive.
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(m_strPath, error))
    if (entry.is_directory(error)) chmod(entry.path().c_str(), 0755);
  chmod(m_strPath.c_str(), 0755);
  std::filesystem::remove_all(m_strPath, error);
}

bool CScratchDirectory::MakeDirectories(const std::string& strRelative) const {
  std::error_code error;
  std::filesystem::create_directories(m_strPath + "/" + strRelative, error);
  return !error;
}

bool CScratchDirectory::WriteFile(const std::string& strRelative,
                                  const std::string& strText) const {
  const std::filesystem::path path = m_strPath + "/" + strRelative;
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << strText;
  return static_cast<bool>(file);
}

bool CScratchDirectory::Exists(const std::string& strRelative) const {
  struct stat st;
  return stat((m_strPath + "/" + strRelative).c_str(), &st) == 0;
}
