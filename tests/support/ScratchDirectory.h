// A fresh directory under the system's temporary folder, removed with
// everything in it when the object goes. Tests use it as a machine
// directory.
#pragma once

#include <string>

#include "TempDirectory.h"

class CScratchDirectory : public CTempDirectory {
 public:
  // Creates the file (and its folders) below the directory with the text.
  bool WriteFile(const std::string& strRelative,
                 const std::string& strText = std::string()) const;
  bool MakeDirectories(const std::string& strRelative) const;
  bool Exists(const std::string& strRelative) const;
};
