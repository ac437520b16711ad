// A host directory for one test, removed with everything in it (read-only
// entries included) when the test ends; and small helpers for its files.
#pragma once

#include <string>
#include <vector>

class CTempDirectory {
 public:
  CTempDirectory();
  ~CTempDirectory();
  CTempDirectory(const CTempDirectory&) = delete;
  CTempDirectory& operator=(const CTempDirectory&) = delete;

  const std::string& Path() const { return m_strPath; }
  // Path() + "/" + strRelative ('/'-separated).
  std::string operator/(const std::string& strRelative) const {
    return m_strPath + "/" + strRelative;
  }

 private:
  std::string m_strPath;
};

// Writes the file, creating the folders above it.
void WriteHostFile(const std::string& strPath, const std::string& strContent);
void MakeHostDirectory(const std::string& strPath);
// The file's bytes; "<missing>" when it can't be read.
std::string ReadHostFile(const std::string& strPath);
bool HostExists(const std::string& strPath);
void SetHostReadOnly(const std::string& strPath, bool bReadOnly);
// Every entry below the directory, as "relative/path" (folders end with '/')
// followed, for files, by "=" and the content; sorted.
std::vector<std::string> HostTreeListing(const std::string& strDirectory);
void RemoveHostTree(const std::string& strPath);
