// One hive file read whole into the store's own engine (Hive.h), and its
// durable commit: the new file is written beside the hive, synced, renamed
// over it, and the folder synced. A crash leaves the old hive or the new
// one, whole.
#pragma once

#include <cstdint>
#include <string>

#include "Hive.h"
#include "platform/WinTypes.h"

class CHiveFile {
 public:
  // Checks the base block, then reads the hive. ERROR_BADDB with
  // *pstrError "<path>: <reason>"; nothing is written either way.
  LONG Open(const std::string& strPath, std::string* pstrError);
  // Writes the hive anew as described above, saved as NT saves it (Hive.h);
  // when strMirror names an existing file (SYSTEM.ALT), it is then made a
  // copy of the new hive, the same way. *pcbWritten: the bytes of every
  // file written.
  LONG Commit(const std::string& strMirror, uint64_t* pcbWritten,
              std::string* pstrError);

  // The temporary file a commit writes first.
  static std::string TempPathOf(const std::string& strPath) {
    return strPath + ".quorrel-new";
  }
  // The current time as a hive stores it (FILETIME).
  static uint64_t Now();

  CHive& Hive() { return m_hive; }
  const std::string& Path() const { return m_strPath; }

 private:
  LONG CommitTo(const std::string& strTemp, const std::string& strBytes,
                std::string* pstrError);

  CHive m_hive;
  std::string m_strPath;
};
