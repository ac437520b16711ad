// The store's journal: every flush appends one record holding the changes
// made since the flush before, and syncs it, so that a flush costs what it
// changed and not the size of the registry. Records are framed and
// checksummed; a crash mid-append leaves a torn record at the tail, which
// reading ignores.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

enum class ERegOp : uint8_t {
  kCreateKey = 1,
  kDeleteKey = 2,  // the key and all below it
  kSetValue = 3,
  kDeleteValue = 4,
};

// One change, on a key named by its full path from the root
// ("HKEY_LOCAL_MACHINE\SYSTEM\ControlSet001\...", links resolved).
struct CRegStoreOp {
  ERegOp op = ERegOp::kCreateKey;
  std::string strPath;
  std::string strName;
  DWORD dwType = REG_NONE;
  std::vector<BYTE> data;
};
typedef std::vector<CRegStoreOp> CRegJournalRecord;

extern const char kJournalMagic[8];

std::string EncodeJournalRecord(const CRegJournalRecord& ops);
// The records of a journal file's bytes up to the first torn or damaged
// one. False only when the bytes are not a journal at all.
bool DecodeJournal(const std::string& strBytes,
                   std::vector<CRegJournalRecord>* pRecords,
                   std::string* pstrError);
uint32_t Crc32(const char* pBytes, size_t cbBytes);

class CRegJournal {
 public:
  explicit CRegJournal(std::string strPath) : m_strPath(std::move(strPath)) {}
  ~CRegJournal();
  CRegJournal(const CRegJournal&) = delete;
  CRegJournal& operator=(const CRegJournal&) = delete;

  // Appends one record and syncs it. Creates the journal on first use (its
  // directory entry synced too). On a failed write the journal is cut back
  // to the records before, so that later records can't follow a torn one.
  LONG Append(const CRegJournalRecord& ops, std::string* pstrError);
  void CloseFile();
  const std::string& Path() const { return m_strPath; }
  uint64_t BytesWritten() const { return m_nBytesWritten; }

 private:
  LONG Create(std::string* pstrError);

  std::string m_strPath;
  int m_fd = -1;
  uint64_t m_nSize = 0;
  uint64_t m_nBytesWritten = 0;
  bool m_bBroken = false;
};
