// The store's journal: the changes made since the store's files were last
// written, one record for each registry call that changed something, so
// that a change costs what it changed and not the size of the registry.
// Records are framed and checksummed; a crash mid-append leaves a torn
// record at the tail, which reading ignores.
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
  // Marks of the .reg store's files (RegFileStamp.h), not changes: the file
  // the journal's changes apply to, noted when the journal begins, and the
  // file a fold is about to put in its place.
  kFileBase = 5,
  kFileFolded = 6,
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
// The records of a journal file's bytes. A torn last record (a crash
// mid-append) is ignored; false when the bytes are not a journal, or when a
// damaged record lies before an intact one.
bool DecodeJournal(const std::string& strBytes,
                   std::vector<CRegJournalRecord>* pRecords,
                   std::string* pstrError);
// The same for the records part alone (the bytes after the header, or after
// records already read); *pnWhole is where the last whole record ends.
bool DecodeJournalRecords(const char* pBytes, size_t cbBytes,
                          std::vector<CRegJournalRecord>* pRecords,
                          size_t* pnWhole, std::string* pstrError);
uint32_t Crc32(const char* pBytes, size_t cbBytes);

// The journal as one program of several sees it; every call is made while
// the program holds the store's lock. Each change is appended when it is
// made (written, not synced: it outlives the process, as a registry write
// outlives a process on Windows); Sync makes it survive a machine crash.
class CRegJournal {
 public:
  explicit CRegJournal(std::string strPath) : m_strPath(std::move(strPath)) {}
  ~CRegJournal();
  CRegJournal(const CRegJournal&) = delete;
  CRegJournal& operator=(const CRegJournal&) = delete;

  // The records other programs appended since the last call. *pbReplaced
  // when the journal read before is gone or replaced (the store's files
  // were rewritten): the caller reloads and calls again. A torn tail, which
  // only a program that died mid-append leaves, is cut off.
  LONG ReadNew(std::vector<CRegJournalRecord>* pRecords, bool* pbReplaced,
               std::string* pstrError);
  // Appends one record; creates the journal on first use (synced, with its
  // directory entry). A failed write is cut back, so that later records
  // can't follow a torn one.
  LONG Append(const CRegJournalRecord& ops, std::string* pstrError);
  // Syncs what was appended since the last sync.
  LONG Sync(std::string* pstrError);
  // Forgets the file (after the store's files took in every record).
  void CloseFile();
  const std::string& Path() const { return m_strPath; }
  bool Exists() const { return m_fd >= 0; }  // found by ReadNew, or made
  uint64_t BytesWritten() const { return m_nBytesWritten; }
  uint64_t Size() const { return m_nSeen; }  // of the records read or written
  bool HasRecords() const { return m_nSeen > sizeof kJournalMagic; }

 private:
  LONG Create(std::string* pstrError);
  LONG OpenExisting(std::string* pstrError);
  LONG ReadTail(uint64_t nSize, std::vector<CRegJournalRecord>* pRecords,
                std::string* pstrError);
  LONG CutBack(uint64_t nSize, std::string* pstrError);

  std::string m_strPath;
  int m_fd = -1;
  bool m_bKnown = false;  // a journal was read: losing it means a reload
  uint64_t m_nDevice = 0;
  uint64_t m_nInode = 0;
  uint64_t m_nSeen = 0;  // end of the last record applied
  uint64_t m_nBytesWritten = 0;
  bool m_bUnsynced = false;
};
