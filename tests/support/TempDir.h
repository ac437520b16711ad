// A directory of its own for one test, removed with everything in it when
// the object goes.
#pragma once

#include <string>

class CTempDir {
 public:
  CTempDir();
  ~CTempDir();
  CTempDir(const CTempDir&) = delete;
  CTempDir& operator=(const CTempDir&) = delete;
  const std::string& Path() const { return m_strPath; }
  std::string File(const std::string& strName) const {
    return m_strPath + "/" + strName;
  }

 private:
  std::string m_strPath;
};

// Whole-file helpers for tests; ReadFile gives "" for a missing file.
std::string ReadFile(const std::string& strPath);
void WriteFile(const std::string& strPath, const std::string& strBytes);
bool FileExists(const std::string& strPath);
