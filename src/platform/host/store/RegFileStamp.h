// What the store knows of one of its files without reading it again: its
// identity as last read (to tell when another program rewrote it), and the
// marks the journal keeps of it (to tell a file changed by hand since the
// journal began from one that already holds the journal's changes).
#pragma once

#include <cstdint>
#include <string>

#include "RegJournal.h"

struct CRegFileStamp {
  bool bExists = false;
  uint64_t nDevice = 0, nInode = 0, nSize = 0;
  int64_t nModified = 0;  // ns
  bool operator==(const CRegFileStamp& other) const;
};

// The stamp of the file at strPath now (bExists false when there is none).
CRegFileStamp StampOf(const std::string& strPath);

// A file's bytes as a journal mark notes them. nModified is 0 in a fold's
// mark (the new file's time is not known before it is written): only the
// content then tells.
struct CRegFileMark {
  bool bExists = false;
  uint64_t nSize = 0;
  int64_t nModified = 0;
  uint64_t nHash = 0;
};

// A fingerprint of a file's bytes, to tell an edit, not to resist one made
// on purpose to match.
uint64_t HashFileBytes(const std::string& strBytes);
// op is ERegOp::kFileBase or kFileFolded; strPath the file's root name.
CRegStoreOp FileMarkOp(ERegOp op, const std::string& strRootName,
                       const CRegFileMark& mark);
// False when the op's data is not a mark.
bool DecodeFileMark(const CRegStoreOp& op, CRegFileMark* pMark);
