// One hive file opened through libhivex, and its durable commit: libhivex
// writes the whole file in place without syncing, so the store commits to a
// temporary file in the same folder, syncs it, renames it over the hive and
// syncs the folder. A crash leaves the old hive or the new one, whole.
#pragma once

#include <hivex.h>

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

class CHiveFile {
 public:
  CHiveFile() = default;
  ~CHiveFile();
  CHiveFile(const CHiveFile&) = delete;
  CHiveFile& operator=(const CHiveFile&) = delete;

  // Checks the base block, then opens the hive (for writing when
  // bWritable). ERROR_BADDB or ERROR_CANTOPEN with *pstrError
  // "<path>: <reason>"; nothing is written either way.
  LONG Open(const std::string& strPath, bool bWritable, std::string* pstrError);
  // Writes the hive anew as described above; when strMirror names an
  // existing file (SYSTEM.ALT), it is then made a copy of the new hive, the
  // same way. *pcbWritten: the bytes of every file written.
  LONG Commit(const std::string& strMirror, uint64_t* pcbWritten,
              std::string* pstrError);

  // The temporary file a commit writes first.
  static std::string TempPathOf(const std::string& strPath) {
    return strPath + ".quorrel-new";
  }

  hive_h* Handle() const { return m_pHive; }
  hive_node_h Root() const;
  const std::string& Path() const { return m_strPath; }

 private:
  LONG CommitTo(const std::string& strTemp, uint64_t* pcbWritten,
                std::string* pstrError);

  hive_h* m_pHive = nullptr;
  std::string m_strPath;
};
