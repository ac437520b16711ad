#include "HiveSpace.h"

#include <cstdio>
#include <cstring>

#include "HiveBytes.h"

namespace {
constexpr uint32_t kMaxHiveBytes = 0x7FFFF000u;

uint32_t CellBytesFor(size_t cbData) {
  const size_t cb = (cbData + 4 + 7) / 8 * 8;
  return static_cast<uint32_t>(cb < 8 ? 8 : cb);
}

std::string Hex(uint32_t n) {
  char sz[16];
  std::snprintf(sz, sizeof sz, "0x%X", n);
  return sz;
}
}  // namespace

int32_t CHiveSpace::SizeAt(uint32_t nAt) const {
  return static_cast<int32_t>(
      HiveDword(reinterpret_cast<const unsigned char*>(&m_strBins[nAt])));
}

void CHiveSpace::PutSize(uint32_t nAt, int32_t nSize) {
  PutHiveDword(reinterpret_cast<unsigned char*>(&m_strBins[nAt]),
               static_cast<uint32_t>(nSize));
}

uint32_t CHiveSpace::BinEndOf(uint32_t nAt) const {
  auto it = m_bins.upper_bound(nAt);
  if (it == m_bins.begin()) return 0;
  --it;
  return nAt < it->second ? it->second : 0;
}

bool CHiveSpace::LoadBin(uint32_t nAt, std::string* pstrWhy) {
  const auto* p = reinterpret_cast<const unsigned char*>(&m_strBins[nAt]);
  const uint32_t cbBin =
      nAt + kHiveBinHeaderBytes <= m_strBins.size() ? HiveDword(p + 8) : 0;
  if (std::memcmp(p, "hbin", 4) != 0 || HiveDword(p + 4) != nAt ||
      cbBin < kHiveBlockBytes || cbBin % kHiveBlockBytes != 0 ||
      cbBin > m_strBins.size() - nAt) {
    *pstrWhy = "the hive bin at " + Hex(nAt) + " is malformed";
    return false;
  }
  const uint32_t nEnd = nAt + cbBin;
  m_bins[nAt] = nEnd;
  for (uint32_t nCell = nAt + kHiveBinHeaderBytes; nCell < nEnd;) {
    const int32_t nSize = nCell + 4 <= nEnd ? SizeAt(nCell) : 0;
    const uint32_t cbCell =
        nSize < 0 ? 0u - static_cast<uint32_t>(nSize) : nSize;
    if (cbCell < 8 || cbCell % 8 != 0 || cbCell > nEnd - nCell) {
      *pstrWhy = "the cell at " + Hex(nCell) + " is malformed";
      return false;
    }
    if (nSize > 0) AddFree(nCell, cbCell);
    nCell += cbCell;
  }
  return true;
}

bool CHiveSpace::Load(std::string strBins, std::string* pstrWhy) {
  m_strBins = std::move(strBins);
  m_bins.clear();
  m_free.clear();
  m_freeBySize.clear();
  if (m_strBins.size() > kMaxHiveBytes) {
    *pstrWhy = "the hive is larger than 2 GB";
    return false;
  }
  for (uint32_t nAt = 0; nAt < m_strBins.size(); nAt = m_bins[nAt])
    if (!LoadBin(nAt, pstrWhy)) return false;
  return true;
}

const unsigned char* CHiveSpace::Cell(HCELL hCell, size_t cbNeed) const {
  const size_t cbHas = CellBytes(hCell);
  if (cbHas == 0 || cbHas < cbNeed) return nullptr;
  return reinterpret_cast<const unsigned char*>(&m_strBins[hCell + 4]);
}

unsigned char* CHiveSpace::Cell(HCELL hCell, size_t cbNeed) {
  const auto* p = static_cast<const CHiveSpace*>(this)->Cell(hCell, cbNeed);
  return const_cast<unsigned char*>(p);
}

size_t CHiveSpace::CellBytes(HCELL hCell) const {
  auto it = m_bins.upper_bound(hCell);
  if (it == m_bins.begin() || hCell % 8 != 0) return 0;
  --it;
  const uint32_t nEnd = it->second;
  if (hCell < it->first + kHiveBinHeaderBytes || uint64_t{hCell} + 8 > nEnd)
    return 0;
  const int32_t nSize = SizeAt(hCell);
  if (nSize >= 0) return 0;
  const uint32_t cbCell = 0u - static_cast<uint32_t>(nSize);
  if (cbCell < 8 || cbCell > nEnd - hCell) return 0;
  return cbCell - 4;
}

void CHiveSpace::AddFree(uint32_t nAt, uint32_t cbCell) {
  PutSize(nAt, static_cast<int32_t>(cbCell));
  m_free[nAt] = cbCell;
  m_freeBySize.insert({cbCell, nAt});
}

void CHiveSpace::RemoveFree(uint32_t nAt) {
  auto it = m_free.find(nAt);
  if (it == m_free.end()) return;
  m_freeBySize.erase({it->second, nAt});
  m_free.erase(it);
}

bool CHiveSpace::AddBin(uint32_t cbCell) {
  const uint64_t cbBin =
      (uint64_t{cbCell} + kHiveBinHeaderBytes + kHiveBlockBytes - 1) /
      kHiveBlockBytes * kHiveBlockBytes;
  const uint32_t nAt = static_cast<uint32_t>(m_strBins.size());
  if (nAt + cbBin > kMaxHiveBytes) return false;
  m_strBins.append(cbBin, '\0');
  auto* p = reinterpret_cast<unsigned char*>(&m_strBins[nAt]);
  std::memcpy(p, "hbin", 4);
  PutHiveDword(p + 4, nAt);
  PutHiveDword(p + 8, static_cast<uint32_t>(cbBin));
  m_bins[nAt] = static_cast<uint32_t>(nAt + cbBin);
  AddFree(nAt + kHiveBinHeaderBytes,
          static_cast<uint32_t>(cbBin - kHiveBinHeaderBytes));
  return true;
}

HCELL CHiveSpace::Alloc(size_t cbData) {
  if (cbData > kMaxHiveBytes) return kNoCell;
  const uint32_t cbCell = CellBytesFor(cbData);
  // The smallest free cell that fits, the lowest of those.
  auto it = m_freeBySize.lower_bound({cbCell, 0});
  if (it == m_freeBySize.end()) {
    if (!AddBin(cbCell)) return kNoCell;
    it = m_freeBySize.lower_bound({cbCell, 0});
  }
  const uint32_t nAt = it->second, cbFree = it->first;
  RemoveFree(nAt);
  if (cbFree - cbCell >= 8) {
    AddFree(nAt + cbCell, cbFree - cbCell);
    PutSize(nAt, -static_cast<int32_t>(cbCell));
  } else {
    PutSize(nAt, -static_cast<int32_t>(cbFree));
  }
  std::memset(&m_strBins[nAt + 4], 0, CellBytes(nAt));
  return nAt;
}

void CHiveSpace::Free(HCELL hCell) {
  const size_t cbData = CellBytes(hCell);
  if (cbData == 0) return;
  const uint32_t nEnd = BinEndOf(hCell);
  uint32_t nAt = hCell, cbCell = static_cast<uint32_t>(cbData + 4);
  const uint32_t nNext = nAt + cbCell;
  if (nNext < nEnd && m_free.count(nNext)) {
    cbCell += m_free[nNext];
    RemoveFree(nNext);
  }
  auto it = m_free.lower_bound(nAt);
  if (it != m_free.begin()) {
    --it;
    if (it->first + it->second == nAt && BinEndOf(it->first) == nEnd) {
      const uint32_t nPrev = it->first;
      cbCell += it->second;
      RemoveFree(nPrev);
      nAt = nPrev;
    }
  }
  AddFree(nAt, cbCell);
}

HCELL CHiveSpace::Realloc(HCELL hCell, size_t cbData) {
  const size_t cbHas = CellBytes(hCell);
  if (cbHas >= cbData) return hCell;
  const HCELL hNew = Alloc(cbData);
  if (hNew == kNoCell) return kNoCell;
  std::memcpy(&m_strBins[hNew + 4], &m_strBins[hCell + 4], cbHas);
  Free(hCell);
  return hNew;
}

void CHiveSpace::StampFirstBin(uint64_t nTime) {
  if (m_strBins.size() >= kHiveBinHeaderBytes)
    PutHiveQword(reinterpret_cast<unsigned char*>(&m_strBins[20]), nTime);
}
