// The hive bins of a hive and the cells in them: every cell lies inside
// one bin, is a multiple of 8 bytes and starts with its size, negative
// while allocated. Freed cells are merged with free neighbours of the same
// bin and reused before the hive grows; it grows by one bin at a time, as
// large as the cell it must hold, rounded up to 4 KB.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

using HCELL = uint32_t;  // offset from the start of the hive bins data
constexpr HCELL kNoCell = 0xFFFFFFFFu;
constexpr uint32_t kHiveBinHeaderBytes = 32;
constexpr uint32_t kHiveBlockBytes = 4096;

class CHiveSpace {
 public:
  // Takes the hive bins data; false with *pstrWhy when a bin or cell is
  // malformed.
  bool Load(std::string strBins, std::string* pstrWhy);
  const std::string& Bytes() const { return m_strBins; }

  // The data of an allocated cell holding at least cbNeed bytes; null for
  // anything else.
  unsigned char* Cell(HCELL hCell, size_t cbNeed);
  const unsigned char* Cell(HCELL hCell, size_t cbNeed) const;
  // Bytes of data an allocated cell can hold; 0 for anything else.
  size_t CellBytes(HCELL hCell) const;

  // A new cell of at least cbData bytes; kNoCell when the hive would pass
  // its 2 GB limit.
  HCELL Alloc(size_t cbData);
  void Free(HCELL hCell);
  // The cell, or a copy of it in a new cell when it can't hold cbData.
  HCELL Realloc(HCELL hCell, size_t cbData);
  // Sets the first bin's timestamp.
  void StampFirstBin(uint64_t nTime);

 private:
  int32_t SizeAt(uint32_t nAt) const;
  void PutSize(uint32_t nAt, int32_t nSize);
  uint32_t BinEndOf(uint32_t nAt) const;
  void AddFree(uint32_t nAt, uint32_t cbCell);
  void RemoveFree(uint32_t nAt);
  bool AddBin(uint32_t cbCell);
  bool LoadBin(uint32_t nAt, std::string* pstrWhy);

  std::string m_strBins;
  std::map<uint32_t, uint32_t> m_bins;  // start -> end
  std::map<uint32_t, uint32_t> m_free;  // free cell -> its size
  std::set<std::pair<uint32_t, uint32_t>> m_freeBySize;
};
