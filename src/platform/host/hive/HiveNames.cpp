#include "HiveNames.h"

namespace {
// Letters in pairs, the upper case on the even unit.
bool InEvenUpperPairs(char16_t c) {
  return (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177) ||
         (c >= 0x460 && c <= 0x481) || (c >= 0x490 && c <= 0x4BF) ||
         (c >= 0x4D0 && c <= 0x4F9);
}

// ... and on the odd unit.
bool InOddUpperPairs(char16_t c) {
  return (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E) ||
         (c >= 0x4C1 && c <= 0x4C4);
}

char16_t GreekUpcase(char16_t c) {
  if (c == 0x3C2) return 0x3A3;  // final sigma
  if ((c >= 0x3B1 && c <= 0x3CB)) return static_cast<char16_t>(c - 0x20);
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return static_cast<char16_t>(c - 0x25);
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return static_cast<char16_t>(c - 0x3F);
  return c;
}
}  // namespace

char16_t HiveUpcase(char16_t c) {
  if (c < 'a') return c;
  if (c <= 'z') return static_cast<char16_t>(c - 0x20);
  if (c < 0xE0) return c;
  if (c <= 0xFE) return c == 0xF7 ? c : static_cast<char16_t>(c - 0x20);
  if (c == 0xFF) return 0x178;
  if (InEvenUpperPairs(c)) return static_cast<char16_t>(c & ~1u);
  if (InOddUpperPairs(c)) return static_cast<char16_t>(c - ((c & 1u) ^ 1u));
  if (c >= 0x3AC && c <= 0x3CE) return GreekUpcase(c);
  if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 0x20);
  if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
  if (c >= 0x561 && c <= 0x586) return static_cast<char16_t>(c - 0x30);
  if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<char16_t>(c - 0x20);
  return c;
}

int CompareHiveNames(const std::u16string& a, const std::u16string& b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const char16_t ca = HiveUpcase(a[i]), cb = HiveUpcase(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool EqualHiveNames(const std::u16string& a, const std::u16string& b) {
  return a.size() == b.size() && CompareHiveNames(a, b) == 0;
}

bool IsCompressibleName(const std::u16string& strName) {
  for (char16_t c : strName)
    if (c > 0xFF) return false;
  return true;
}

std::string StoredHiveName(const std::u16string& strName) {
  std::string strOut;
  const bool bCompressed = IsCompressibleName(strName);
  for (char16_t c : strName) {
    strOut += static_cast<char>(c & 0xFF);
    if (!bCompressed) strOut += static_cast<char>(c >> 8);
  }
  return strOut;
}

std::u16string HiveNameFromStored(const unsigned char* p, size_t cb,
                                  bool bCompressed) {
  std::u16string strName;
  if (bCompressed) {
    strName.assign(p, p + cb);
    return strName;
  }
  for (size_t i = 0; i + 1 < cb; i += 2)
    strName += static_cast<char16_t>(p[i] | (p[i + 1] << 8));
  return strName;
}

uint32_t FastLeafHint(const std::u16string& strName) {
  unsigned char hint[4] = {0, 0, 0, 0};
  for (size_t i = 0; i < 4 && i < strName.size(); ++i) {
    if (strName[i] > 0xFF) {
      hint[0] = 0;
      break;
    }
    hint[i] = static_cast<unsigned char>(strName[i]);
  }
  return hint[0] | (hint[1] << 8) | (hint[2] << 16) |
         (static_cast<uint32_t>(hint[3]) << 24);
}

uint32_t HashLeafHash(const std::u16string& strName) {
  uint32_t nHash = 0;
  for (char16_t c : strName) nHash = 37 * nHash + HiveUpcase(c);
  return nHash;
}
