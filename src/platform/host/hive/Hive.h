// A registry hive file in memory, read and changed as Windows NT keeps it
// (the regf format: base block, hive bins, cells). Every cell it writes
// follows the rules of the hive's own version (the base block's minor
// version): new subkey lists are index leaves ("li") below 3, fast leaves
// ("lf", four-character name hints) at 3 and 4, hash leaves ("lh") from 5;
// a leaf past its limit is split under an index root ("ri"); values over
// 16,344 bytes are split into big-data segments ("db") from 4, kept whole
// below. Lists are sorted as NT compares names (HiveNames.h); names are
// stored compressed exactly when every unit fits in a byte. A key created
// takes its parent's security cell; reference counts follow. Cells not
// changed keep their bytes; freed cells are reused (HiveSpace.h).
//
// Reads bound every offset and count: a damaged cell reads as a failure,
// never outside the file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "HiveSpace.h"

struct CHiveValue {
  std::u16string strName;
  uint32_t dwType = 0;
  std::string strData;
};

class CHive {
 public:
  // Leaf limits: a leaf stays within one 4 KB bin.
  static constexpr uint32_t kMaxLeafIndexes =
      (kHiveBlockBytes - kHiveBinHeaderBytes - 8) / 4;
  static constexpr uint32_t kMaxLeafPairs =
      (kHiveBlockBytes - kHiveBinHeaderBytes - 8) / 8;
  static constexpr uint32_t kBigDataSegment = 16344;

  // Takes a whole hive file; false with *pstrWhy when its base block or
  // bins are malformed (the base block's checksum and sequence numbers are
  // checked by HiveBaseBlock.h before).
  bool Load(std::string strFile, std::string* pstrWhy);
  // The file as NT leaves it after a clean save at time nNow (FILETIME):
  // both sequence numbers one above the old ones, the timestamp in the
  // base block and the first bin, the checksum by NT's rule. Hash leaves a
  // hive below version 5 holds become fast leaves first.
  std::string Save(uint64_t nNow);
  // The same without making the file in one piece: after Stamp(nNow) the
  // file is BaseBlock() followed by Bins().
  void Stamp(uint64_t nNow);
  const std::string& BaseBlock() const { return m_strBase; }
  const std::string& Bins() const { return m_space.Bytes(); }

  uint32_t MinorVersion() const { return m_nMinor; }
  HCELL Root() const { return m_hRoot; }

  // Keys. False/kNoCell when a cell on the way is damaged.
  bool KeyName(HCELL hKey, std::u16string* pstrName) const;
  bool Subkeys(HCELL hKey, std::vector<HCELL>* pSubkeys) const;
  // kNoCell when there is none (or a cell is damaged: *pbDamaged).
  HCELL FindSubkey(HCELL hKey, const std::u16string& strName,
                   bool* pbDamaged = nullptr) const;
  HCELL CreateSubkey(HCELL hParent, const std::u16string& strName,
                     uint64_t nNow);
  // Deletes the subkey with every key and value below it.
  bool DeleteSubkey(HCELL hParent, HCELL hKey, uint64_t nNow);
  uint64_t KeyTime(HCELL hKey) const;

  // Values, in the key's order.
  bool Values(HCELL hKey, std::vector<CHiveValue>* pValues) const;
  bool SetValue(HCELL hKey, const CHiveValue& value, uint64_t nNow);
  bool DeleteValue(HCELL hKey, const std::u16string& strName, uint64_t nNow);

  const CHiveSpace& Space() const { return m_space; }

 private:
  struct CListEntry {
    HCELL hCell = kNoCell;
    uint32_t nHint = 0;  // hint or hash as stored; 0 for index leaves
  };
  struct CLeaf {
    char chKind = 'f';  // 'i', 'f' or 'h'
    std::vector<CListEntry> entries;
  };

  unsigned char* Key(HCELL hKey);
  const unsigned char* Key(HCELL hKey) const;
  bool ReadLeaf(HCELL hList, CLeaf* pLeaf) const;
  HCELL WriteLeaf(HCELL hList, const CLeaf& leaf);
  bool ReadRoot(HCELL hList, std::vector<HCELL>* pLeaves) const;
  HCELL WriteRoot(HCELL hList, const std::vector<HCELL>& leaves);
  char NewLeafKind() const;
  CListEntry EntryFor(char chKind, HCELL hKey,
                      const std::u16string& strName) const;
  bool NormalizeLeaf(CLeaf& leaf) const;
  bool InsertInLeaf(CLeaf& leaf, HCELL hKey, const std::u16string& strName);
  bool AddToList(HCELL hParent, HCELL hKey, const std::u16string& strName);
  bool AddToRoot(HCELL hRoot, HCELL* phList, HCELL hKey,
                 const std::u16string& strName);
  bool RemoveFromList(HCELL hParent, HCELL hKey);
  uint32_t LeafLimit(char chKind) const;
  void FreeKeyTree(HCELL hKey, int nDepth);
  void FreeSubkeyList(HCELL hList);
  void RepairHashLeaves();
  void Touch(HCELL hKey, uint64_t nNow);

  void AddSecurityReference(HCELL hSecurity);
  void DropSecurityReference(HCELL hSecurity);

  bool FindValue(HCELL hKey, const std::u16string& strName, uint32_t* pnIndex,
                 HCELL* phValue) const;
  bool ReadValue(HCELL hValue, CHiveValue* pValue) const;
  bool ReadData(const unsigned char* pValue, std::string* pstrData) const;
  bool WriteData(HCELL hValue, const std::string& strData);
  void FreeData(HCELL hValue);
  void FreeValue(HCELL hValue);
  HCELL NewValue(const CHiveValue& value);

  std::string m_strBase;  // the 4 KB base block
  CHiveSpace m_space;
  HCELL m_hRoot = kNoCell;
  uint32_t m_nMinor = 0;
  // Keys whose subkey list was found in NT's order: searched by halves.
  mutable std::unordered_set<HCELL> m_sortedKeys;
};
