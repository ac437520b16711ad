#include "RegCodePage.h"

namespace {
// Windows-1252 characters 0x80..0x9F; the rest equal their Latin-1 code.
const uint16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint16_t UnitAt(const char* pBytes, size_t i) {
  return static_cast<uint16_t>(
      static_cast<unsigned char>(pBytes[i]) |
      (static_cast<unsigned char>(pBytes[i + 1]) << 8));
}
}  // namespace

uint16_t CodePageToUtf16(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return kHigh[c - 0x80];
  return c;
}

unsigned char Utf16ToCodePage(uint32_t nCodePoint) {
  if (nCodePoint < 0x80 || (nCodePoint >= 0xA0 && nCodePoint <= 0xFF))
    return static_cast<unsigned char>(nCodePoint);
  for (unsigned i = 0; i < 32; ++i)
    if (kHigh[i] == nCodePoint) return static_cast<unsigned char>(0x80 + i);
  return '?';
}

std::string CodePageToUtf16Le(const std::string& strText) {
  std::string strOut;
  strOut.reserve(strText.size() * 2);
  for (unsigned char c : strText) {
    const uint16_t nUnit = CodePageToUtf16(c);
    strOut.push_back(static_cast<char>(nUnit & 0xFF));
    strOut.push_back(static_cast<char>(nUnit >> 8));
  }
  return strOut;
}

std::string Utf16LeToCodePage(const char* pBytes, size_t cbBytes) {
  std::string strOut;
  const size_t nUnits = cbBytes / 2;
  strOut.reserve(nUnits);
  for (size_t i = 0; i < nUnits; ++i) {
    const uint16_t nUnit = UnitAt(pBytes, 2 * i);
    if (nUnit >= 0xD800 && nUnit <= 0xDBFF && i + 1 < nUnits) {
      const uint16_t nLow = UnitAt(pBytes, 2 * (i + 1));
      if (nLow >= 0xDC00 && nLow <= 0xDFFF) {
        ++i;  // a character outside the basic plane: never in the code page
        strOut.push_back('?');
        continue;
      }
    }
    strOut.push_back(static_cast<char>(Utf16ToCodePage(nUnit)));
  }
  return strOut;
}
