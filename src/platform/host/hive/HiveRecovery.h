// A hive whose last write did not finish (its sequence numbers differ),
// recovered as NT 4.0's loader recovers it, from the file bytes alone:
// SYSTEM from SYSTEM.ALT, when that copy is clean and is the hive as its
// last finished write left it; any other hive from its old-format log
// (<hive>.LOG: a copy of the base block, the "DIRT" vector of dirty
// 512-byte pages, those pages), when the log is whole and belongs to the
// write that did not finish. The recovered hive lives in memory only: it
// reaches the file with the store's next commit of that hive.
#pragma once

#include <string>

#include "platform/WinTypes.h"

struct CRecoveredHive {
  std::string image;         // the hive file's bytes, recovered
  std::string strRecovered;  // empty: the file was clean; else the source
};

// Reads the hive file at strPath. strMirror names its alternate copy
// (SYSTEM.ALT) or is empty; a hive with a mirror is recovered only from it.
// ERROR_BADDB (or ERROR_CANTOPEN) when the hive is dirty and cannot be
// recovered, *pstrError then "<path>: <reason>. <what the user can do>";
// nothing is ever written.
LONG ReadRecoveredHive(const std::string& strPath, const std::string& strMirror,
                       CRecoveredHive* pHive, std::string* pstrError);

// The same on bytes already read.
struct CHiveFiles {
  std::string primary;
  bool bHasMirror = false;  // SYSTEM: recovered from its mirror only
  std::string mirror;       // empty: missing
  std::string log;          // <hive>.LOG; empty: missing
};
// *pstrWhy: the reason when the hive cannot be used.
bool RecoverHiveImage(CHiveFiles files, CRecoveredHive* pHive,
                      std::string* pstrWhy);
