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
  // Reads the hive; one whose last save did not finish is recovered as NT
  // 4.0 recovers it (HiveRecovery.h: from strMirror, SYSTEM.ALT, when
  // given, else from its .LOG), in memory only. ERROR_BADDB with
  // *pstrError "<path>: <reason>"; nothing is written either way.
  LONG Open(const std::string& strPath, const std::string& strMirror,
            std::string* pstrError);
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
  // The file the hive was recovered from; empty when it was clean.
  const std::string& RecoveredFrom() const { return m_strRecoveredFrom; }

 private:
  LONG CommitTo(const std::string& strTemp, std::string* pstrError);

  CHive m_hive;
  std::string m_strPath;
  std::string m_strRecoveredFrom;
};
