// A key's list of subkeys: one leaf, or an index root over leaves. NT
// keeps each leaf sorted and the leaves of a root in order, so that the
// whole list is sorted as HiveNames.h compares names.
#include <cstring>

#include "Hive.h"
#include "HiveBytes.h"
#include "HiveKeyNode.h"
#include "HiveNames.h"

namespace {
// Deeper than the registry lets a path go: a loop in a damaged hive.
constexpr int kMaxKeyDepth = 512;

size_t EntryBytes(char chKind) { return chKind == 'i' ? 4 : 8; }
}  // namespace

bool CHive::ReadLeaf(HCELL hList, CLeaf* pLeaf) const {
  const unsigned char* p = m_space.Cell(hList, kListEntries);
  if (p == nullptr || p[0] != 'l' ||
      (p[1] != 'i' && p[1] != 'f' && p[1] != 'h'))
    return false;
  pLeaf->chKind = static_cast<char>(p[1]);
  const size_t nCount = HiveWord(p + kListCount);
  const size_t cbEntry = EntryBytes(pLeaf->chKind);
  if (m_space.CellBytes(hList) < kListEntries + nCount * cbEntry) return false;
  pLeaf->entries.resize(nCount);
  for (size_t i = 0; i < nCount; ++i) {
    const unsigned char* pEntry = p + kListEntries + i * cbEntry;
    pLeaf->entries[i].hCell = HiveDword(pEntry);
    pLeaf->entries[i].nHint = cbEntry == 8 ? HiveDword(pEntry + 4) : 0;
  }
  return true;
}

HCELL CHive::WriteLeaf(HCELL hList, const CLeaf& leaf) {
  const size_t cbEntry = EntryBytes(leaf.chKind);
  const size_t cbList = kListEntries + leaf.entries.size() * cbEntry;
  const HCELL hNew =
      hList == kNoCell ? m_space.Alloc(cbList) : m_space.Realloc(hList, cbList);
  unsigned char* p = m_space.Cell(hNew, cbList);
  if (p == nullptr) return kNoCell;
  p[0] = 'l';
  p[1] = static_cast<unsigned char>(leaf.chKind);
  PutHiveWord(p + kListCount, static_cast<uint16_t>(leaf.entries.size()));
  for (size_t i = 0; i < leaf.entries.size(); ++i) {
    unsigned char* pEntry = p + kListEntries + i * cbEntry;
    PutHiveDword(pEntry, leaf.entries[i].hCell);
    if (cbEntry == 8) PutHiveDword(pEntry + 4, leaf.entries[i].nHint);
  }
  return hNew;
}

bool CHive::ReadRoot(HCELL hList, std::vector<HCELL>* pLeaves) const {
  const unsigned char* p = m_space.Cell(hList, kListEntries);
  if (p == nullptr || std::memcmp(p, "ri", 2) != 0) return false;
  const size_t nCount = HiveWord(p + kListCount);
  if (m_space.CellBytes(hList) < kListEntries + 4 * nCount) return false;
  pLeaves->clear();
  for (size_t i = 0; i < nCount; ++i)
    pLeaves->push_back(HiveDword(p + kListEntries + 4 * i));
  return true;
}

HCELL CHive::WriteRoot(HCELL hList, const std::vector<HCELL>& leaves) {
  const size_t cbList = kListEntries + 4 * leaves.size();
  const HCELL hNew =
      hList == kNoCell ? m_space.Alloc(cbList) : m_space.Realloc(hList, cbList);
  unsigned char* p = m_space.Cell(hNew, cbList);
  if (p == nullptr) return kNoCell;
  std::memcpy(p, "ri", 2);
  PutHiveWord(p + kListCount, static_cast<uint16_t>(leaves.size()));
  for (size_t i = 0; i < leaves.size(); ++i)
    PutHiveDword(p + kListEntries + 4 * i, leaves[i]);
  return hNew;
}

bool CHive::Subkeys(HCELL hKey, std::vector<HCELL>* pSubkeys) const {
  pSubkeys->clear();
  const unsigned char* p = Key(hKey);
  if (p == nullptr) return false;
  const uint32_t nCount = HiveDword(p + kNkSubkeyCount);
  if (nCount == 0) return true;
  const HCELL hList = HiveDword(p + kNkSubkeyList);
  std::vector<HCELL> leaves{hList};
  const unsigned char* pList = m_space.Cell(hList, kListEntries);
  if (pList != nullptr && std::memcmp(pList, "ri", 2) == 0 &&
      !ReadRoot(hList, &leaves))
    return false;
  for (HCELL hLeaf : leaves) {
    CLeaf leaf;
    if (!ReadLeaf(hLeaf, &leaf)) return false;
    for (const CListEntry& entry : leaf.entries) {
      if (Key(entry.hCell) == nullptr) return false;
      pSubkeys->push_back(entry.hCell);
    }
  }
  return pSubkeys->size() == nCount;
}

// NT keeps every list sorted, and so does this engine once it found a key's
// list sorted; a list found out of order (another tool's) is searched
// through.
HCELL CHive::FindSubkey(HCELL hKey, const std::u16string& strName,
                        bool* pbDamaged) const {
  std::vector<HCELL> subkeys;
  bool bDamaged = !Subkeys(hKey, &subkeys);
  if (pbDamaged) *pbDamaged = bDamaged;
  if (bDamaged) return kNoCell;
  std::u16string strSubkey;
  if (m_sortedKeys.count(hKey)) {
    size_t nLow = 0, nHigh = subkeys.size();
    while (nLow < nHigh) {
      const size_t nMid = (nLow + nHigh) / 2;
      if (!KeyName(subkeys[nMid], &strSubkey)) break;
      const int nOrder = CompareHiveNames(strSubkey, strName);
      if (nOrder == 0) return subkeys[nMid];
      if (nOrder < 0)
        nLow = nMid + 1;
      else
        nHigh = nMid;
    }
    return kNoCell;
  }
  HCELL hFound = kNoCell;
  bool bSorted = true;
  std::u16string strPrevious;
  for (size_t i = 0; i < subkeys.size(); ++i) {
    if (!KeyName(subkeys[i], &strSubkey)) {
      if (pbDamaged) *pbDamaged = true;
      return kNoCell;
    }
    if (hFound == kNoCell && EqualHiveNames(strSubkey, strName))
      hFound = subkeys[i];
    if (i > 0 && CompareHiveNames(strPrevious, strSubkey) >= 0) bSorted = false;
    strPrevious.swap(strSubkey);
  }
  if (bSorted) m_sortedKeys.insert(hKey);
  return hFound;
}

char CHive::NewLeafKind() const {
  if (m_nMinor < 3) return 'i';
  return m_nMinor < 5 ? 'f' : 'h';
}

uint32_t CHive::LeafLimit(char chKind) const {
  return chKind == 'i' ? kMaxLeafIndexes : kMaxLeafPairs;
}

CHive::CListEntry CHive::EntryFor(char chKind, HCELL hKey,
                                  const std::u16string& strName) const {
  CListEntry entry;
  entry.hCell = hKey;
  if (chKind == 'f') entry.nHint = FastLeafHint(strName);
  if (chKind == 'h') entry.nHint = HashLeafHash(strName);
  return entry;
}

// A hash leaf in a hive older than version 5 (a writer that ignored the
// version put it there) becomes the fast leaf NT 4.0 can read once it is
// written.
bool CHive::NormalizeLeaf(CLeaf& leaf) const {
  if (leaf.chKind != 'h' || m_nMinor >= 5) return true;
  leaf.chKind = 'f';
  for (CListEntry& entry : leaf.entries) {
    std::u16string strName;
    if (!KeyName(entry.hCell, &strName)) return false;
    entry = EntryFor('f', entry.hCell, strName);
  }
  return true;
}

bool CHive::InsertInLeaf(CLeaf& leaf, HCELL hKey,
                         const std::u16string& strName) {
  if (!NormalizeLeaf(leaf)) return false;
  size_t nLow = 0, nHigh = leaf.entries.size();
  while (nLow < nHigh) {
    const size_t nMid = (nLow + nHigh) / 2;
    std::u16string strMid;
    if (!KeyName(leaf.entries[nMid].hCell, &strMid)) return false;
    if (CompareHiveNames(strMid, strName) < 0)
      nLow = nMid + 1;
    else
      nHigh = nMid;
  }
  leaf.entries.insert(leaf.entries.begin() + nLow,
                      EntryFor(leaf.chKind, hKey, strName));
  return true;
}

// The leaf of a root a name goes to: the last whose first name is not
// above it.
bool CHive::AddToRoot(HCELL hRoot, HCELL* phList, HCELL hKey,
                      const std::u16string& strName) {
  std::vector<HCELL> leaves;
  if (!ReadRoot(hRoot, &leaves) || leaves.empty()) return false;
  size_t nLeaf = 0;
  for (size_t i = 1; i < leaves.size(); ++i) {
    CLeaf leaf;
    std::u16string strFirst;
    if (!ReadLeaf(leaves[i], &leaf) || leaf.entries.empty() ||
        !KeyName(leaf.entries[0].hCell, &strFirst))
      return false;
    if (CompareHiveNames(strFirst, strName) > 0) break;
    nLeaf = i;
  }
  CLeaf leaf;
  if (!ReadLeaf(leaves[nLeaf], &leaf) || !NormalizeLeaf(leaf)) return false;
  if (leaf.entries.size() >= LeafLimit(leaf.chKind)) {
    // Full: its upper half moves to a new leaf right after it.
    CLeaf upper;
    upper.chKind = leaf.chKind;
    const size_t nHalf = leaf.entries.size() / 2;
    upper.entries.assign(leaf.entries.begin() + nHalf, leaf.entries.end());
    leaf.entries.resize(nHalf);
    std::u16string strFirst;
    if (!KeyName(upper.entries[0].hCell, &strFirst)) return false;
    const HCELL hUpper = WriteLeaf(kNoCell, upper);
    if (hUpper == kNoCell) return false;
    leaves.insert(leaves.begin() + nLeaf + 1, hUpper);
    if (CompareHiveNames(strFirst, strName) <= 0) {
      leaves[nLeaf] = WriteLeaf(leaves[nLeaf], leaf);
      ++nLeaf;
      leaf = upper;
    }
  }
  if (!InsertInLeaf(leaf, hKey, strName)) return false;
  leaves[nLeaf] = WriteLeaf(leaves[nLeaf], leaf);
  if (leaves[nLeaf] == kNoCell) return false;
  *phList = WriteRoot(hRoot, leaves);
  return *phList != kNoCell;
}

bool CHive::AddToList(HCELL hParent, HCELL hKey,
                      const std::u16string& strName) {
  unsigned char* p = Key(hParent);
  if (p == nullptr) return false;
  const uint32_t nCount = HiveDword(p + kNkSubkeyCount);
  HCELL hList = HiveDword(p + kNkSubkeyList);
  const unsigned char* pList =
      nCount ? m_space.Cell(hList, kListEntries) : nullptr;
  if (nCount != 0 && pList == nullptr) return false;
  if (nCount == 0) {
    CLeaf leaf;
    leaf.chKind = NewLeafKind();
    leaf.entries.push_back(EntryFor(leaf.chKind, hKey, strName));
    hList = WriteLeaf(kNoCell, leaf);
  } else if (std::memcmp(pList, "ri", 2) == 0) {
    if (!AddToRoot(hList, &hList, hKey, strName)) return false;
  } else {
    CLeaf leaf;
    if (!ReadLeaf(hList, &leaf)) return false;
    if (leaf.entries.size() < LeafLimit(leaf.chKind)) {
      if (!InsertInLeaf(leaf, hKey, strName)) return false;
      hList = WriteLeaf(hList, leaf);
    } else {
      // A full leaf goes under a new root, which then splits it.
      const HCELL hRoot = WriteRoot(kNoCell, {hList});
      if (hRoot == kNoCell || !AddToRoot(hRoot, &hList, hKey, strName))
        return false;
    }
  }
  if (hList == kNoCell) return false;
  p = Key(hParent);
  PutHiveDword(p + kNkSubkeyList, hList);
  PutHiveDword(p + kNkSubkeyCount, nCount + 1);
  // The longest name in bytes of UTF-16, whatever form it is stored in.
  const uint32_t nMax = HiveDword(p + kNkMaxNameBytes);
  const uint32_t cbName = static_cast<uint32_t>(2 * strName.size());
  if (cbName > (nMax & 0xFFFF))
    PutHiveDword(p + kNkMaxNameBytes, (nMax & 0xFFFF0000u) | cbName);
  return true;
}

bool CHive::RemoveFromList(HCELL hParent, HCELL hKey) {
  unsigned char* p = Key(hParent);
  if (p == nullptr) return false;
  const uint32_t nCount = HiveDword(p + kNkSubkeyCount);
  const HCELL hList = HiveDword(p + kNkSubkeyList);
  const unsigned char* pList = m_space.Cell(hList, kListEntries);
  if (nCount == 0 || pList == nullptr) return false;
  const bool bRoot = std::memcmp(pList, "ri", 2) == 0;
  std::vector<HCELL> leaves{hList};
  if (bRoot && !ReadRoot(hList, &leaves)) return false;
  for (size_t i = 0; i < leaves.size(); ++i) {
    CLeaf leaf;
    if (!ReadLeaf(leaves[i], &leaf)) return false;
    size_t nAt = 0;
    while (nAt < leaf.entries.size() && leaf.entries[nAt].hCell != hKey) ++nAt;
    if (nAt == leaf.entries.size()) continue;
    leaf.entries.erase(leaf.entries.begin() + nAt);
    if (!NormalizeLeaf(leaf)) return false;
    // An emptied leaf leaves its root, an emptied root or leaf the key.
    if (leaf.entries.empty()) {
      m_space.Free(leaves[i]);
      leaves.erase(leaves.begin() + i);
    } else {
      leaves[i] = WriteLeaf(leaves[i], leaf);
    }
    HCELL hNewList = kNoCell;
    if (bRoot && !leaves.empty()) hNewList = WriteRoot(hList, leaves);
    if (bRoot && leaves.empty()) m_space.Free(hList);
    if (!bRoot && !leaves.empty()) hNewList = leaves[0];
    p = Key(hParent);
    PutHiveDword(p + kNkSubkeyList, hNewList);
    PutHiveDword(p + kNkSubkeyCount, nCount - 1);
    return true;
  }
  return false;
}

void CHive::FreeSubkeyList(HCELL hList) {
  std::vector<HCELL> leaves;
  if (ReadRoot(hList, &leaves))
    for (HCELL hLeaf : leaves) m_space.Free(hLeaf);
  m_space.Free(hList);
}

// Every hash leaf below version 5, written in place as the fast leaf it
// should have been: hives a writer that ignored the version changed hold
// them where the program never looked, and NT 4.0 misreads each.
void CHive::RepairHashLeaves() {
  if (m_nMinor >= 5) return;
  std::vector<std::pair<HCELL, int>> todo{{m_hRoot, 0}};
  while (!todo.empty()) {
    const auto key = todo.back();
    todo.pop_back();
    std::vector<HCELL> subkeys;
    const unsigned char* p = Key(key.first);
    if (key.second > kMaxKeyDepth || !Subkeys(key.first, &subkeys)) continue;
    for (HCELL hSubkey : subkeys) todo.push_back({hSubkey, key.second + 1});
    if (subkeys.empty()) continue;
    const HCELL hList = HiveDword(p + kNkSubkeyList);
    std::vector<HCELL> leaves{hList};
    ReadRoot(hList, &leaves);
    for (HCELL hLeaf : leaves) {
      CLeaf leaf;
      if (ReadLeaf(hLeaf, &leaf) && leaf.chKind == 'h' && NormalizeLeaf(leaf))
        WriteLeaf(hLeaf, leaf);
    }
  }
}
