#include "RegfWriter.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {
constexpr size_t kBase = 4096;
constexpr size_t kBin = 4096;
constexpr size_t kPage = 512;
constexpr uint32_t kNone = 0xFFFFFFFF;
constexpr size_t kBigSegment = 16344;

void PutWord(std::string* p, size_t nAt, uint16_t w) {
  (*p)[nAt] = static_cast<char>(w);
  (*p)[nAt + 1] = static_cast<char>(w >> 8);
}

bool FitsEightBits(const std::u16string& s) {
  return std::all_of(s.begin(), s.end(), [](char16_t c) { return c < 256; });
}

// A name as the hive stores it: compressed (one byte a character) when
// every character is below 256, else UTF-16LE.
std::string StoredName(const std::u16string& s, bool* pbCompressed) {
  *pbCompressed = FitsEightBits(s);
  std::string out;
  for (char16_t c : s) {
    out += static_cast<char>(c);
    if (!*pbCompressed) out += static_cast<char>(c >> 8);
  }
  return out;
}

std::string Utf16Bytes(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    out += static_cast<char>(c);
    out += static_cast<char>(c >> 8);
  }
  return out;
}

// Lays cells out as NT 4.0 does when it saves a hive: one after another
// from the start of the first bin; a cell that does not fit in what is left
// of a bin starts the next, the rest becoming one free cell; a cell larger
// than a bin gets a bin of its own rounded up to 4 KB.
class CLayout {
 public:
  uint32_t Alloc(size_t cbData) {
    const size_t cb = (cbData + 4 + 7) / 8 * 8;
    if (m_data.empty() || m_nAt + cb > m_data.size()) NewBin(cb);
    const uint32_t nCell = static_cast<uint32_t>(m_nAt);
    PutRegfDword(&m_data, m_nAt, static_cast<uint32_t>(-int32_t(cb)));
    m_nAt += cb;
    return nCell;
  }
  // Writes bytes into the cell at nCell (offset 0 is the cell's data).
  void Put(uint32_t nCell, size_t nAt, const std::string& s) {
    m_data.replace(nCell + 4 + nAt, s.size(), s);
  }
  void PutDword(uint32_t nCell, size_t nAt, uint32_t dw) {
    PutRegfDword(&m_data, nCell + 4 + nAt, dw);
  }
  void PutWord(uint32_t nCell, size_t nAt, uint16_t w) {
    ::PutWord(&m_data, nCell + 4 + nAt, w);
  }
  std::string Finish(uint64_t qwTime) {
    CloseBin();
    PutRegfDword(&m_data, 0x14, static_cast<uint32_t>(qwTime));
    PutRegfDword(&m_data, 0x18, static_cast<uint32_t>(qwTime >> 32));
    return m_data;
  }

 private:
  void CloseBin() {
    if (m_nAt < m_data.size())
      PutRegfDword(&m_data, m_nAt,
                   static_cast<uint32_t>(m_data.size() - m_nAt));
  }
  void NewBin(size_t cbCell) {
    CloseBin();
    const size_t nBin = m_data.size();
    const size_t cbBin = (cbCell + 32 + kBin - 1) / kBin * kBin;
    m_data.resize(nBin + cbBin, '\0');
    m_data.replace(nBin, 4, "hbin");
    PutRegfDword(&m_data, nBin + 4, static_cast<uint32_t>(nBin));
    PutRegfDword(&m_data, nBin + 8, static_cast<uint32_t>(cbBin));
    m_nAt = nBin + 32;
  }

  std::string m_data;
  size_t m_nAt = 0;
};

struct CSecurity {
  std::vector<uint32_t> cells;
  std::vector<uint32_t> refs;
};

class CHiveWriter {
 public:
  explicit CHiveWriter(const CRegfHive& hive) : m_hive(hive) {
    if (m_hive.descriptors.empty())
      m_hive.descriptors.push_back(RegfDescriptor(544));
  }

  std::string Image() {
    const uint32_t nRoot = AllocKey(m_hive.root);
    AllocSecurity();
    WriteKey(m_hive.root, nRoot, kNone, true);
    WriteSecurity();
    std::string bins = m_layout.Finish(m_hive.qwTime);
    // The first bin's timestamp is the base block's.
    return BaseBlock(nRoot, bins.size()) + bins;
  }

 private:
  uint32_t AllocKey(const CRegfKey& key) {
    bool bCompressed = false;
    return m_layout.Alloc(
        0x4C + StoredName(RegfUtf16(key.strName), &bCompressed).size());
  }

  void AllocSecurity() {
    for (const std::string& sd : m_hive.descriptors) {
      m_security.cells.push_back(m_layout.Alloc(20 + sd.size()));
      m_security.refs.push_back(0);
    }
  }

  void WriteSecurity() {
    const size_t n = m_security.cells.size();
    for (size_t i = 0; i < n; ++i) {
      const uint32_t nCell = m_security.cells[i];
      m_layout.Put(nCell, 0, "sk");
      m_layout.PutDword(nCell, 4, m_security.cells[(i + 1) % n]);
      m_layout.PutDword(nCell, 8, m_security.cells[(i + n - 1) % n]);
      m_layout.PutDword(nCell, 12, m_security.refs[i]);
      m_layout.PutDword(nCell, 16,
                        static_cast<uint32_t>(m_hive.descriptors[i].size()));
      m_layout.Put(nCell, 20, m_hive.descriptors[i]);
    }
  }

  uint32_t WriteClass(const std::string& strClass) {
    if (strClass.empty()) return kNone;
    const std::string bytes = Utf16Bytes(RegfUtf16(strClass));
    const uint32_t nCell = m_layout.Alloc(bytes.size());
    m_layout.Put(nCell, 0, bytes);
    return nCell;
  }

  uint32_t WriteData(const std::string& strData) {
    if (m_hive.dwMinor < 4 || strData.size() <= kBigSegment) {
      const uint32_t nCell = m_layout.Alloc(strData.size());
      m_layout.Put(nCell, 0, strData);
      return nCell;
    }
    const size_t nSegments = (strData.size() + kBigSegment - 1) / kBigSegment;
    const uint32_t nDb = m_layout.Alloc(8);
    const uint32_t nList = m_layout.Alloc(4 * nSegments);
    m_layout.Put(nDb, 0, "db");
    m_layout.PutWord(nDb, 2, static_cast<uint16_t>(nSegments));
    m_layout.PutDword(nDb, 4, nList);
    for (size_t i = 0; i < nSegments; ++i) {
      const std::string seg = strData.substr(i * kBigSegment, kBigSegment);
      const uint32_t nSeg = m_layout.Alloc(seg.size());
      m_layout.Put(nSeg, 0, seg);
      m_layout.PutDword(nList, 4 * i, nSeg);
    }
    return nDb;
  }

  uint32_t WriteValue(const CRegfValue& value, uint32_t* pcbMaxName) {
    bool bCompressed = false;
    const std::u16string name = RegfUtf16(value.strName);
    const std::string strName = StoredName(name, &bCompressed);
    *pcbMaxName = std::max(*pcbMaxName, static_cast<uint32_t>(2 * name.size()));
    const uint32_t nVk = m_layout.Alloc(20 + strName.size());
    m_layout.Put(nVk, 0, "vk");
    m_layout.PutWord(nVk, 2, static_cast<uint16_t>(strName.size()));
    const size_t cb = value.strData.size();
    if (cb <= 4) {
      m_layout.PutDword(nVk, 4, static_cast<uint32_t>(cb) | 0x80000000u);
      m_layout.Put(nVk, 8, value.strData);
    } else {
      m_layout.PutDword(nVk, 4, static_cast<uint32_t>(cb));
      m_layout.PutDword(nVk, 8, WriteData(value.strData));
    }
    m_layout.PutDword(nVk, 12, value.dwType);
    // The default value's flag stays clear, as in NT's own hives.
    m_layout.PutWord(nVk, 16, bCompressed && !name.empty() ? 1 : 0);
    m_layout.Put(nVk, 20, strName);
    return nVk;
  }

  ERegfList ListForm(const CRegfKey& key) const {
    return key.eList == ERegfList::kHiveDefault ? m_hive.eList : key.eList;
  }

  uint32_t WriteLeaf(ERegfList eForm, const std::vector<const CRegfKey*>& keys,
                     const std::vector<uint32_t>& cells, size_t nFirst,
                     size_t nCount) {
    const size_t cbElement = eForm == ERegfList::kIndexLeaf ? 4 : 8;
    const uint32_t nLeaf = m_layout.Alloc(4 + cbElement * nCount);
    m_layout.Put(nLeaf, 0,
                 eForm == ERegfList::kIndexLeaf  ? "li"
                 : eForm == ERegfList::kHashLeaf ? "lh"
                                                 : "lf");
    m_layout.PutWord(nLeaf, 2, static_cast<uint16_t>(nCount));
    for (size_t i = 0; i < nCount; ++i) {
      const std::u16string name = RegfUtf16(keys[nFirst + i]->strName);
      m_layout.PutDword(nLeaf, 4 + cbElement * i, cells[nFirst + i]);
      if (cbElement == 8)
        m_layout.PutDword(
            nLeaf, 8 + cbElement * i,
            eForm == ERegfList::kHashLeaf ? RegfHash(name) : RegfHint(name));
    }
    return nLeaf;
  }

  uint32_t WriteList(const CRegfKey& key,
                     const std::vector<const CRegfKey*>& keys,
                     const std::vector<uint32_t>& cells) {
    const size_t nMax = m_hive.nLeafMax;
    if (nMax == 0 || keys.size() <= nMax)
      return WriteLeaf(ListForm(key), keys, cells, 0, keys.size());
    const size_t nLeaves = (keys.size() + nMax - 1) / nMax;
    const uint32_t nRoot = m_layout.Alloc(4 + 4 * nLeaves);
    m_layout.Put(nRoot, 0, "ri");
    m_layout.PutWord(nRoot, 2, static_cast<uint16_t>(nLeaves));
    for (size_t i = 0; i < nLeaves; ++i)
      m_layout.PutDword(nRoot, 4 + 4 * i,
                        WriteLeaf(ListForm(key), keys, cells, i * nMax,
                                  std::min(nMax, keys.size() - i * nMax)));
    return nRoot;
  }

  void WriteKey(const CRegfKey& key, uint32_t nKey, uint32_t nParent,
                bool bRoot) {
    bool bCompressed = false;
    const std::string strName =
        StoredName(RegfUtf16(key.strName), &bCompressed);
    const size_t iSec = std::min(key.nSecurity, m_security.cells.size() - 1);
    ++m_security.refs[iSec];
    const std::u16string strClass = RegfUtf16(key.strClass);
    m_layout.Put(nKey, 0, "nk");
    m_layout.PutWord(
        nKey, 2,
        static_cast<uint16_t>((bCompressed ? 0x20 : 0) | (bRoot ? 0x0C : 0)));
    m_layout.PutDword(nKey, 4, static_cast<uint32_t>(m_hive.qwTime));
    m_layout.PutDword(nKey, 8, static_cast<uint32_t>(m_hive.qwTime >> 32));
    m_layout.PutDword(nKey, 16, bRoot ? 0 : nParent);
    m_layout.PutDword(nKey, 44, m_security.cells[iSec]);
    m_layout.PutDword(nKey, 48, WriteClass(key.strClass));
    m_layout.PutWord(nKey, 72, static_cast<uint16_t>(strName.size()));
    m_layout.PutWord(nKey, 74, static_cast<uint16_t>(2 * strClass.size()));
    m_layout.Put(nKey, 76, strName);
    WriteValues(key, nKey);
    WriteSubkeys(key, nKey);
  }

  void WriteValues(const CRegfKey& key, uint32_t nKey) {
    m_layout.PutDword(nKey, 36, static_cast<uint32_t>(key.values.size()));
    uint32_t nList = kNone, cbMaxName = 0, cbMaxData = 0;
    if (!key.values.empty()) nList = m_layout.Alloc(4 * key.values.size());
    for (size_t i = 0; i < key.values.size(); ++i) {
      m_layout.PutDword(nList, 4 * i, WriteValue(key.values[i], &cbMaxName));
      cbMaxData = std::max(cbMaxData,
                           static_cast<uint32_t>(key.values[i].strData.size()));
    }
    m_layout.PutDword(nKey, 40, nList);
    m_layout.PutDword(nKey, 60, cbMaxName);
    m_layout.PutDword(nKey, 64, cbMaxData);
  }

  void WriteSubkeys(const CRegfKey& key, uint32_t nKey) {
    std::vector<const CRegfKey*> keys;
    for (const CRegfKey& sub : key.subkeys) keys.push_back(&sub);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const CRegfKey* a, const CRegfKey* b) {
                       return RegfCompareNames(RegfUtf16(a->strName),
                                               RegfUtf16(b->strName)) < 0;
                     });
    uint32_t cbMaxName = 0, cbMaxClass = 0;
    std::vector<uint32_t> cells;
    for (const CRegfKey* pSub : keys) {
      cells.push_back(AllocKey(*pSub));
      cbMaxName =
          std::max(cbMaxName,
                   static_cast<uint32_t>(2 * RegfUtf16(pSub->strName).size()));
      cbMaxClass =
          std::max(cbMaxClass,
                   static_cast<uint32_t>(2 * RegfUtf16(pSub->strClass).size()));
    }
    m_layout.PutDword(nKey, 20, static_cast<uint32_t>(keys.size()));
    m_layout.PutDword(nKey, 28,
                      keys.empty() ? kNone : WriteList(key, keys, cells));
    m_layout.PutDword(nKey, 32, kNone);
    m_layout.PutDword(nKey, 52, cbMaxName);
    m_layout.PutDword(nKey, 56, cbMaxClass);
    for (size_t i = 0; i < keys.size(); ++i)
      WriteKey(*keys[i], cells[i], nKey, false);
  }

  std::string BaseBlock(uint32_t nRoot, size_t cbBins) const {
    std::string base(kBase, '\0');
    base.replace(0, 4, "regf");
    PutRegfDword(&base, 4, m_hive.dwSequence + (m_hive.bDirty ? 1 : 0));
    PutRegfDword(&base, 8, m_hive.dwSequence);
    PutRegfDword(&base, 12, static_cast<uint32_t>(m_hive.qwTime));
    PutRegfDword(&base, 16, static_cast<uint32_t>(m_hive.qwTime >> 32));
    PutRegfDword(&base, 20, 1);
    PutRegfDword(&base, 24, m_hive.dwMinor);
    PutRegfDword(&base, 28, 0);
    PutRegfDword(&base, 32, 1);
    PutRegfDword(&base, 36, nRoot);
    PutRegfDword(&base, 40, static_cast<uint32_t>(cbBins));
    PutRegfDword(&base, 44, 1);
    // The last 31 characters of the path, as the field holds 32 with a 0.
    std::u16string name = RegfUtf16(m_hive.strFileName);
    if (name.size() > 31) name = name.substr(name.size() - 31);
    base.replace(48, 2 * name.size(), Utf16Bytes(name));
    StampRegfChecksum(&base);
    return base;
  }

  CRegfHive m_hive;
  CLayout m_layout;
  CSecurity m_security;
};
}  // namespace

CRegfKey& CRegfKey::Key(const std::string& strPath) {
  CRegfKey* pKey = this;
  std::istringstream in(strPath);
  for (std::string strName; std::getline(in, strName, '\\');) {
    if (strName.empty()) continue;
    auto it = std::find_if(
        pKey->subkeys.begin(), pKey->subkeys.end(), [&](const CRegfKey& k) {
          return RegfCompareNames(RegfUtf16(k.strName), RegfUtf16(strName)) ==
                 0;
        });
    if (it == pKey->subkeys.end()) {
      pKey->subkeys.push_back(CRegfKey{strName});
      it = pKey->subkeys.end() - 1;
    }
    pKey = &*it;
  }
  return *pKey;
}

CRegfKey& CRegfKey::Set(const std::string& strName, uint32_t dwType,
                        const std::string& strData) {
  for (CRegfValue& value : values)
    if (RegfCompareNames(RegfUtf16(value.strName), RegfUtf16(strName)) == 0) {
      value.dwType = dwType;
      value.strData = strData;
      return *this;
    }
  values.push_back(CRegfValue{strName, dwType, strData});
  return *this;
}

CRegfKey& CRegfKey::SetString(const std::string& strName,
                              const std::string& strText, uint32_t dwType) {
  return Set(strName, dwType, Utf16Bytes(RegfUtf16(strText)) + '\0' + '\0');
}

CRegfKey& CRegfKey::SetDword(const std::string& strName, uint32_t dwValue) {
  std::string data(4, '\0');
  PutRegfDword(&data, 0, dwValue);
  return Set(strName, 4, data);
}

std::string RegfDescriptor(uint32_t dwRid) {
  // Revision 1, self-relative with a DACL present and null: all access.
  std::string sd(20, '\0');
  sd[0] = 1;
  PutWord(&sd, 2, 0x8004);
  PutRegfDword(&sd, 4, 20);
  PutRegfDword(&sd, 8, 36);
  std::string sid("\x01\x02\0\0\0\0\0\x05\x20\0\0\0", 12);
  sid += std::string(4, '\0');
  PutRegfDword(&sid, 12, dwRid);
  return sd + sid + sid;
}

std::string RegfImage(const CRegfHive& hive) {
  return CHiveWriter(hive).Image();
}

bool WriteRegfHive(const std::string& strPath, const CRegfHive& hive) {
  std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
  const std::string image = RegfImage(hive);
  out.write(image.data(), static_cast<std::streamsize>(image.size()));
  return static_cast<bool>(out.flush());
}

uint32_t RegfDword(const std::string& strImage, size_t nAt) {
  uint32_t dw = 0;
  for (int i = 3; i >= 0; --i)
    dw = (dw << 8) | static_cast<unsigned char>(strImage[nAt + i]);
  return dw;
}

void PutRegfDword(std::string* pImage, size_t nAt, uint32_t dwValue) {
  for (int i = 0; i < 4; ++i)
    (*pImage)[nAt + i] = static_cast<char>(dwValue >> (8 * i));
}

uint32_t RegfChecksum(const std::string& strImage) {
  uint32_t dwSum = 0;
  for (size_t i = 0; i < 508; i += 4) dwSum ^= RegfDword(strImage, i);
  if (dwSum == 0) return 1;
  if (dwSum == 0xFFFFFFFF) return 0xFFFFFFFE;
  return dwSum;
}

void StampRegfChecksum(std::string* pImage) {
  PutRegfDword(pImage, 508, RegfChecksum(*pImage));
}

std::string RegfOldLog(const std::string& strImage,
                       const std::vector<size_t>& dirtyPages) {
  // The log's base block: one sector (clustering factor 1), file type 1.
  std::string log = strImage.substr(0, kPage);
  PutRegfDword(&log, 28, 1);
  StampRegfChecksum(&log);
  const size_t cBits = (strImage.size() - kBase) / kPage;
  std::string vector = "DIRT" + std::string((cBits + 7) / 8, '\0');
  for (size_t nPage : dirtyPages)
    vector[4 + nPage / 8] =
        static_cast<char>(vector[4 + nPage / 8] | (1 << (nPage % 8)));
  vector.resize((vector.size() + kPage - 1) / kPage * kPage, '\0');
  log += vector;
  std::vector<size_t> pages = dirtyPages;
  std::sort(pages.begin(), pages.end());
  for (size_t nPage : pages)
    log += strImage.substr(kBase + nPage * kPage, kPage);
  return log;
}

std::vector<size_t> RegfChangedPages(std::string a, std::string b) {
  a.resize(std::max(a.size(), b.size()), '\0');
  b.resize(a.size(), '\0');
  std::vector<size_t> pages;
  for (size_t n = kBase; n < a.size(); n += kPage)
    if (a.compare(n, kPage, b, n, kPage) != 0)
      pages.push_back((n - kBase) / kPage);
  return pages;
}

std::string RegfInterruptedWrite(const std::string& strOld,
                                 const std::string& strNew,
                                 const std::vector<size_t>& dirtyPages,
                                 size_t nWritten) {
  std::string primary = strOld;
  primary.resize(std::max(strOld.size(), strNew.size()), '\0');
  primary.replace(0, kBase, strNew.substr(0, kBase));
  PutRegfDword(&primary, 4, RegfDword(strNew, 8));
  PutRegfDword(&primary, 8, RegfDword(strNew, 8) - 1);
  StampRegfChecksum(&primary);
  std::vector<size_t> pages = dirtyPages;
  std::sort(pages.begin(), pages.end());
  for (size_t i = 0; i < nWritten && i < pages.size(); ++i)
    primary.replace(kBase + pages[i] * kPage, kPage,
                    strNew.substr(kBase + pages[i] * kPage, kPage));
  return primary;
}

std::u16string RegfUtf16(const std::string& strUtf8) {
  std::u16string out;
  for (size_t i = 0; i < strUtf8.size();) {
    const unsigned char c = static_cast<unsigned char>(strUtf8[i]);
    const int nMore = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    uint32_t cp = nMore == 0   ? c
                  : nMore == 1 ? c & 0x1F
                  : nMore == 2 ? c & 0x0F
                               : c & 0x07;
    for (int k = 1; k <= nMore && i + k < strUtf8.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(strUtf8[i + k]) & 0x3F);
    i += 1 + nMore;
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string RegfUtf8(const std::u16string& strUtf16) {
  std::string out;
  for (size_t i = 0; i < strUtf16.size(); ++i) {
    uint32_t cp = strUtf16[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < strUtf16.size())
      cp = 0x10000 + ((cp - 0xD800) << 10) + (strUtf16[++i] - 0xDC00);
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

char16_t RegfUpcase(char16_t c) {
  if (c >= u'a' && c <= u'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c == 0xFF) return 0x178;
  // Latin Extended-A: pairs, the capital first (the dotted and dotless i,
  // 0x138 and 0x149 left alone).
  if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) ||
      (c >= 0x14A && c <= 0x177))
    return c & 1 ? c - 1 : c;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
    return c & 1 ? c : c - 1;
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  if (c >= 0x561 && c <= 0x586) return c - 0x30;    // Armenian
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0x20;  // full-width
  return c;
}

int RegfCompareNames(const std::u16string& a, const std::u16string& b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const char16_t ca = RegfUpcase(a[i]), cb = RegfUpcase(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

uint32_t RegfHint(const std::u16string& strName) {
  uint32_t dwHint = 0;
  for (size_t i = 0; i < 4 && i < strName.size(); ++i) {
    if (strName[i] >= 256) return 0;
    dwHint |= static_cast<uint32_t>(strName[i]) << (8 * i);
  }
  return dwHint;
}

uint32_t RegfHash(const std::u16string& strName) {
  uint32_t dwHash = 0;
  for (char16_t c : strName) dwHash = 37 * dwHash + RegfUpcase(c);
  return dwHash;
}
