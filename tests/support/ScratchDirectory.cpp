#include "ScratchDirectory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

bool CScratchDirectory::MakeDirectories(const std::string& strRelative) const {
  std::error_code error;
  std::filesystem::create_directories(Path() + "/" + strRelative, error);
  return !error;
}

bool CScratchDirectory::WriteFile(const std::string& strRelative,
                                  const std::string& strText) const {
  const std::filesystem::path path = Path() + "/" + strRelative;
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << strText;
  return static_cast<bool>(file);
}

bool CScratchDirectory::Exists(const std::string& strRelative) const {
  struct stat st;
  return stat((Path() + "/" + strRelative).c_str(), &st) == 0;
}
