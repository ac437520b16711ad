#include "RegfCheck.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "RegfWriter.h"

namespace {
constexpr size_t kBase = 4096;
constexpr uint32_t kNil = 0xFFFFFFFF;
constexpr uint32_t kBigSegment = 16344;

std::string Hex(uint32_t n) {
  char sz[16];
  std::snprintf(sz, sizeof sz, "0x%X", n);
  return sz;
}

class CChecker {
 public:
  explicit CChecker(const std::string& strImage) : m_image(strImage) {}

  std::vector<std::string> Run() {
    if (!CheckBaseBlock()) return m_problems;
    if (!CheckBins()) return m_problems;
    const uint32_t nRoot = RegfDword(m_image, 36);
    if (IsKind(nRoot, "nk") && !(Word(nRoot + 4 + 2) & 0x04))
      Problem(nRoot, "root key lacks the hive entry flag");
    Key(nRoot, kNil, "");
    CheckSecurity();
    for (const auto& cell : m_allocated)
      if (!m_reached.count(cell.first))
        Problem(cell.first, "allocated cell not reached from the root");
    return Collapsed();
  }

  // A fault repeated over many cells reads as its first three and a count.
  std::vector<std::string> Collapsed() const {
    std::map<std::string, size_t> seen;
    std::vector<std::string> out;
    for (const std::string& strProblem : m_problems) {
      const size_t nColon = strProblem.find(": ");
      const std::string strReason = nColon == std::string::npos
                                        ? strProblem
                                        : strProblem.substr(nColon + 2);
      if (++seen[strReason] <= 3) out.push_back(strProblem);
    }
    for (const auto& reason : seen)
      if (reason.second > 3)
        out.push_back("... " + std::to_string(reason.second - 3) +
                      " more cells: " + reason.first);
    return out;
  }

  std::vector<std::string> Listing() {
    Run();
    std::sort(m_listing.begin(), m_listing.end());
    return m_listing;
  }

 private:
  // Offsets below are relative to the start of the bins, as in the hive.
  uint32_t Dword(size_t n) const { return RegfDword(m_image, kBase + n); }
  uint16_t Word(size_t n) const {
    return static_cast<uint16_t>(
        static_cast<unsigned char>(m_image[kBase + n]) |
        static_cast<unsigned char>(m_image[kBase + n + 1]) << 8);
  }
  std::string Bytes(size_t n, size_t cb) const {
    return m_image.substr(kBase + n, cb);
  }
  void Problem(uint32_t nCell, const std::string& strWhat) {
    m_problems.push_back("cell " + Hex(nCell) + ": " + strWhat);
  }
  void HiveProblem(const std::string& strWhat) {
    m_problems.push_back(strWhat);
  }

  bool CheckBaseBlock() {
    if (m_image.size() < 2 * kBase || m_image.compare(0, 4, "regf") != 0) {
      HiveProblem("no base block");
      return false;
    }
    const uint32_t dwSeq1 = RegfDword(m_image, 4),
                   dwSeq2 = RegfDword(m_image, 8);
    if (dwSeq1 != dwSeq2)
      HiveProblem("dirty: sequence numbers " + std::to_string(dwSeq1) +
                  " and " + std::to_string(dwSeq2));
    m_dwMinor = RegfDword(m_image, 24);
    if (RegfDword(m_image, 20) != 1 || m_dwMinor < 3 || m_dwMinor > 6)
      HiveProblem("version " + std::to_string(RegfDword(m_image, 20)) + "." +
                  std::to_string(m_dwMinor));
    if (RegfDword(m_image, 28) != 0 || RegfDword(m_image, 32) != 1)
      HiveProblem("not a primary file of direct memory load format");
    m_cbBins = RegfDword(m_image, 40);
    if (m_cbBins == 0 || m_cbBins % 4096 || m_cbBins > m_image.size() - kBase) {
      HiveProblem("bins data size " + Hex(m_cbBins) + " for a file of " +
                  Hex(static_cast<uint32_t>(m_image.size())));
      return false;
    }
    const uint32_t dwStored = RegfDword(m_image, 508);
    if (dwStored != RegfChecksum(m_image))
      HiveProblem("checksum " + Hex(dwStored) + ", NT's rule gives " +
                  Hex(RegfChecksum(m_image)));
    return true;
  }

  bool CheckBins() {
    for (uint32_t nBin = 0; nBin < m_cbBins;) {
      const uint32_t cbBin = Dword(nBin + 8);
      if (Bytes(nBin, 4) != "hbin" || Dword(nBin + 4) != nBin || cbBin == 0 ||
          cbBin % 4096 || nBin + cbBin > m_cbBins) {
        HiveProblem("bad bin header at " + Hex(nBin));
        return false;
      }
      if (!CheckCells(nBin, cbBin)) return false;
      nBin += cbBin;
    }
    return true;
  }

  bool CheckCells(uint32_t nBin, uint32_t cbBin) {
    bool bPreviousFree = false;
    for (uint32_t nCell = nBin + 32; nCell < nBin + cbBin;) {
      const int32_t nSize = static_cast<int32_t>(Dword(nCell));
      const uint32_t cb = nSize < 0 ? -nSize : nSize;
      if (cb < 8 || cb % 8 || nCell + cb > nBin + cbBin) {
        Problem(nCell, "size " + Hex(static_cast<uint32_t>(nSize)) +
                           " does not tile bin " + Hex(nBin));
        return false;
      }
      if (nSize < 0) m_allocated[nCell] = cb - 4;
      if (nSize > 0 && bPreviousFree)
        Problem(nCell, "free cell not merged with the free cell before it");
      bPreviousFree = nSize > 0;
      nCell += cb;
    }
    return true;
  }

  // The cell's data size when nCell starts an allocated cell.
  bool Reach(uint32_t nCell, size_t cbNeeded, const char* pszWhat,
             bool bShared = false) {
    const auto it = m_allocated.find(nCell);
    if (it == m_allocated.end()) {
      Problem(nCell, std::string(pszWhat) + " is not an allocated cell");
      return false;
    }
    if (it->second < cbNeeded) {
      Problem(nCell, std::string(pszWhat) + " cell too small");
      return false;
    }
    if (!m_reached.insert(nCell).second && !bShared) {
      Problem(nCell, std::string(pszWhat) + " reached twice");
      return false;
    }
    return true;
  }
  bool IsKind(uint32_t nCell, const char* pszSig) const {
    return m_allocated.count(nCell) && Bytes(nCell + 4, 2) == pszSig;
  }

  std::u16string Name(uint32_t nAt, size_t cb, bool bCompressed) const {
    std::u16string name;
    const std::string bytes = Bytes(nAt, cb);
    for (size_t i = 0; i < bytes.size(); i += bCompressed ? 1 : 2)
      name += static_cast<char16_t>(
          static_cast<unsigned char>(bytes[i]) |
          (bCompressed ? 0 : static_cast<unsigned char>(bytes[i + 1]) << 8));
    return name;
  }
  void CheckCompression(uint32_t nCell, const std::u16string& name,
                        bool bCompressed) {
    const bool bFits = std::all_of(name.begin(), name.end(),
                                   [](char16_t c) { return c < 256; });
    if (!name.empty() && bFits != bCompressed)
      Problem(nCell,
              bCompressed ? "name compressed" : "8-bit name stored as UTF-16");
  }

  void Key(uint32_t nKey, uint32_t nParent, const std::string& strParentPath) {
    if (!Reach(nKey, 0x4C, "key") || !IsKind(nKey, "nk")) {
      if (m_allocated.count(nKey)) Problem(nKey, "not a key node");
      return;
    }
    const uint32_t d = nKey + 4;
    const bool bCompressed = Word(d + 2) & 0x20;
    const std::u16string name = Name(d + 76, Word(d + 72), bCompressed);
    CheckCompression(nKey, name, bCompressed);
    if (nParent != kNil && Dword(d + 16) != nParent)
      Problem(nKey, "parent " + Hex(Dword(d + 16)) + ", listed under " +
                        Hex(nParent));
    const std::string strPath =
        nParent == kNil ? std::string()
                        : (strParentPath.empty() ? "" : strParentPath + "\\") +
                              RegfUtf8(name);
    if (nParent != kNil) m_listing.push_back(strPath);
    Security(nKey, Dword(d + 44));
    if (Dword(d + 48) != kNil) Reach(Dword(d + 48), Word(d + 74), "class name");
    Values(nKey, Dword(d + 36), Dword(d + 40), strPath);
    Subkeys(nKey, Dword(d + 20), Dword(d + 28), strPath);
  }

  void Security(uint32_t nKey, uint32_t nSk) {
    if (!Reach(nSk, 20, "security", true) || !IsKind(nSk, "sk")) {
      Problem(nKey, "no security cell");
      return;
    }
    ++m_skRefs[nSk];
  }

  void CheckSecurity() {
    if (m_skRefs.empty()) return;
    std::set<uint32_t> ring;
    uint32_t nSk = m_skRefs.begin()->first;
    while (ring.insert(nSk).second) {
      const uint32_t nNext = Dword(nSk + 4 + 4);
      if (!IsKind(nNext, "sk") || Dword(nNext + 4 + 8) != nSk) {
        Problem(nSk, "security ring broken after it");
        break;
      }
      m_reached.insert(nNext);
      nSk = nNext;
    }
    for (uint32_t nCell : ring)
      if (Dword(nCell + 4 + 12) != m_skRefs[nCell])
        Problem(nCell,
                "reference count " + std::to_string(Dword(nCell + 4 + 12)) +
                    ", used by " + std::to_string(m_skRefs[nCell]) + " keys");
    for (const auto& used : m_skRefs)
      if (!ring.count(used.first))
        Problem(used.first, "security cell not in the ring");
  }

  void Values(uint32_t nKey, uint32_t cValues, uint32_t nList,
              const std::string& strPath) {
    if (cValues == 0) return;
    if (!Reach(nList, 4 * cValues, "value list")) return;
    std::set<std::u16string> names;
    for (uint32_t i = 0; i < cValues; ++i) {
      const uint32_t nVk = Dword(nList + 4 + 4 * i);
      if (!Reach(nVk, 20, "value") || !IsKind(nVk, "vk")) continue;
      const uint32_t d = nVk + 4;
      const bool bCompressed = Word(d + 16) & 1;
      const std::u16string name = Name(d + 20, Word(d + 2), bCompressed);
      CheckCompression(nVk, name, bCompressed);
      std::u16string upper;
      for (char16_t c : name) upper += RegfUpcase(c);
      if (!names.insert(upper).second) Problem(nKey, "value name twice");
      m_listing.push_back(strPath + "\\\\" + RegfUtf8(name) + "=" +
                          std::to_string(Dword(d + 12)) + ":" +
                          HexData(Data(nVk)));
    }
  }

  std::string Data(uint32_t nVk) {
    const uint32_t d = nVk + 4;
    const uint32_t cbRaw = Dword(d + 4), cb = cbRaw & 0x7FFFFFFF;
    if (cbRaw & 0x80000000) {
      if (cb > 4) Problem(nVk, "inline data longer than 4 bytes");
      return Bytes(d + 8, std::min<uint32_t>(cb, 4));
    }
    if (cb == 0) return std::string();
    const uint32_t nData = Dword(d + 8);
    if (IsKind(nData, "db") && cb > kBigSegment) return BigData(nVk, nData, cb);
    if (m_dwMinor >= 4 && cb > kBigSegment)
      Problem(nVk, "data over 16344 bytes not in a big data cell");
    if (!Reach(nData, cb, "value data")) return std::string();
    return Bytes(nData + 4, cb);
  }

  std::string BigData(uint32_t nVk, uint32_t nDb, uint32_t cb) {
    if (m_dwMinor < 4)
      Problem(nVk, "big data cell in a hive of minor version 3");
    if (!Reach(nDb, 8, "big data")) return std::string();
    const uint32_t cSegments = Word(nDb + 4 + 2), nList = Dword(nDb + 4 + 4);
    if (cSegments != (cb + kBigSegment - 1) / kBigSegment)
      Problem(nDb, "segment count " + std::to_string(cSegments));
    if (!Reach(nList, 4 * cSegments, "segment list")) return std::string();
    std::string data;
    for (uint32_t i = 0; i < cSegments; ++i) {
      const uint32_t nSeg = Dword(nList + 4 + 4 * i);
      const uint32_t cbSeg = std::min(
          kBigSegment,
          cb - static_cast<uint32_t>(std::min<size_t>(data.size(), cb)));
      if (!Reach(nSeg, cbSeg, "data segment")) return data;
      data += Bytes(nSeg + 4, cbSeg);
    }
    return data;
  }

  static std::string HexData(const std::string& data) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : data) {
      out += kDigits[c >> 4];
      out += kDigits[c & 15];
    }
    return out;
  }

  // One leaf's elements, checked for hints or hashes; nCell must be a leaf.
  void Leaf(uint32_t nKey, uint32_t nLeaf, std::vector<uint32_t>* pKeys) {
    const std::string strSig = Bytes(nLeaf + 4, 2);
    const uint32_t cItems = Word(nLeaf + 4 + 2);
    const size_t cbItem = strSig == "li" ? 4 : 8;
    if (!Reach(nLeaf, 4 + cbItem * cItems, "subkey list")) return;
    if (strSig == "lh" && m_dwMinor < 5)
      Problem(nLeaf, "hash leaf in a hive of minor version " +
                         std::to_string(m_dwMinor));
    for (uint32_t i = 0; i < cItems; ++i) {
      const uint32_t nSub = Dword(nLeaf + 4 + 4 + cbItem * i);
      pKeys->push_back(nSub);
      if (cbItem == 8 && IsKind(nSub, "nk"))
        CheckHint(nLeaf, strSig, nSub, Dword(nLeaf + 4 + 8 + cbItem * i));
    }
    (void)nKey;
  }

  std::u16string KeyName(uint32_t nSub) const {
    return Name(nSub + 4 + 76, Word(nSub + 4 + 72), Word(nSub + 4 + 2) & 0x20);
  }

  void CheckHint(uint32_t nLeaf, const std::string& strSig, uint32_t nSub,
                 uint32_t dwStored) {
    const std::u16string name = KeyName(nSub);
    if (strSig == "lh") {
      if (dwStored != RegfHash(name))
        Problem(nLeaf, "hash of " + RegfUtf8(name) + " is " + Hex(dwStored));
      return;
    }
    const uint32_t dwHint = RegfHint(name);
    const bool bEightBit = std::all_of(
        name.begin(), name.begin() + std::min<size_t>(4, name.size()),
        [](char16_t c) { return c < 256; });
    if (bEightBit ? dwStored != dwHint : (dwStored & 0xFF) != 0)
      Problem(nLeaf, "hint of " + RegfUtf8(name) + " is " + Hex(dwStored));
  }

  void Subkeys(uint32_t nKey, uint32_t cSubkeys, uint32_t nList,
               const std::string& strPath) {
    if (cSubkeys == 0) {
      if (nList != kNil) Problem(nKey, "no subkeys but a list kept");
      return;
    }
    if (!m_allocated.count(nList)) {
      Problem(nKey, "subkey list " + Hex(nList) + " is not an allocated cell");
      return;
    }
    std::vector<uint32_t> keys;
    const std::string strSig = Bytes(nList + 4, 2);
    if (strSig == "ri") {
      const uint32_t cLeaves = Word(nList + 4 + 2);
      if (!Reach(nList, 4 + 4 * cLeaves, "index root")) return;
      for (uint32_t i = 0; i < cLeaves; ++i) {
        const uint32_t nLeaf = Dword(nList + 4 + 4 + 4 * i);
        const std::string strLeaf =
            IsKind(nLeaf, "ri") ? "ri" : Bytes(nLeaf + 4, 2);
        if (strLeaf != "li" && strLeaf != "lf" && strLeaf != "lh")
          Problem(nLeaf, "index root element is not a leaf");
        else if (Word(nLeaf + 4 + 2) == 0)
          Problem(nLeaf, "empty leaf kept in an index root");
        else
          Leaf(nKey, nLeaf, &keys);
      }
    } else if (strSig == "li" || strSig == "lf" || strSig == "lh") {
      Leaf(nKey, nList, &keys);
    } else {
      Problem(nList, "not a subkey list");
      return;
    }
    if (keys.size() != cSubkeys)
      Problem(nKey, "subkey count " + std::to_string(cSubkeys) +
                        ", lists hold " + std::to_string(keys.size()));
    CheckOrder(nList, keys);
    for (uint32_t nSub : keys) Key(nSub, nKey, strPath);
  }

  void CheckOrder(uint32_t nList, const std::vector<uint32_t>& keys) {
    for (size_t i = 1; i < keys.size(); ++i) {
      if (!IsKind(keys[i - 1], "nk") || !IsKind(keys[i], "nk")) continue;
      const std::u16string a = KeyName(keys[i - 1]), b = KeyName(keys[i]);
      if (RegfCompareNames(a, b) >= 0)
        Problem(nList, "element " + RegfUtf8(b) + " after " + RegfUtf8(a));
    }
  }

  const std::string& m_image;
  std::vector<std::string> m_problems;
  std::vector<std::string> m_listing;
  std::map<uint32_t, size_t> m_allocated;
  std::set<uint32_t> m_reached;
  std::map<uint32_t, uint32_t> m_skRefs;
  uint32_t m_dwMinor = 0;
  uint32_t m_cbBins = 0;
};
}  // namespace

std::vector<std::string> CheckRegf(const std::string& strImage) {
  return CChecker(strImage).Run();
}

std::vector<std::string> CheckRegfFile(const std::string& strPath) {
  const std::string image = ReadRegfFile(strPath);
  if (image.empty()) return {strPath + ": cannot be read"};
  return CheckRegf(image);
}

std::vector<std::string> RegfListing(const std::string& strImage) {
  return CChecker(strImage).Listing();
}

std::string ReadRegfFile(const std::string& strPath) {
  std::ifstream in(strPath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in),
                     std::istreambuf_iterator<char>());
}
