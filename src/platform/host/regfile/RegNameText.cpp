#include "RegNameText.h"

#include <cstdint>

#include "RegCodePage.h"

namespace {
const char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The unit a mark at strText[i] stands for, or -1 when no four hex digits
// follow it.
long MarkedUnit(std::string_view strText, size_t i) {
  if (strText[i] != kRegForeignMark || i + 4 >= strText.size()) return -1;
  long nUnit = 0;
  for (size_t j = i + 1; j <= i + 4; ++j) {
    const int nDigit = HexValue(strText[j]);
    if (nDigit < 0) return -1;
    nUnit = nUnit * 16 + nDigit;
  }
  return nUnit;
}

bool InCodePage(uint16_t nUnit) {
  if (nUnit == static_cast<unsigned char>(kRegForeignMark)) return false;
  return nUnit == '?' || Utf16ToCodePage(nUnit) != '?';
}
}  // namespace

std::string Utf16LeToStoreText(const char* pBytes, size_t cbBytes) {
  std::string strOut;
  strOut.reserve(cbBytes / 2);
  for (size_t i = 0; i + 1 < cbBytes; i += 2) {
    const uint16_t nUnit =
        static_cast<uint16_t>(static_cast<unsigned char>(pBytes[i]) |
                              (static_cast<unsigned char>(pBytes[i + 1]) << 8));
    if (InCodePage(nUnit)) {
      strOut.push_back(static_cast<char>(Utf16ToCodePage(nUnit)));
      continue;
    }
    strOut.push_back(kRegForeignMark);
    for (int nShift = 12; nShift >= 0; nShift -= 4)
      strOut.push_back(kHexDigits[(nUnit >> nShift) & 15]);
  }
  return strOut;
}

std::string StoreTextToUtf16Le(const std::string& strText) {
  std::string strOut;
  strOut.reserve(strText.size() * 2);
  for (size_t i = 0; i < strText.size(); ++i) {
    long nUnit = MarkedUnit(strText, i);
    if (nUnit >= 0)
      i += 4;
    else
      nUnit = CodePageToUtf16(static_cast<unsigned char>(strText[i]));
    strOut.push_back(static_cast<char>(nUnit & 0xFF));
    strOut.push_back(static_cast<char>(nUnit >> 8));
  }
  return strOut;
}

std::string StoreTextToCodePage(const std::string& strText) {
  if (strText.find(kRegForeignMark) == std::string::npos) return strText;
  const std::string strWide = StoreTextToUtf16Le(strText);
  return Utf16LeToCodePage(strWide.data(), strWide.size());
}

size_t RegNameLength(std::string_view name, ERegEncoding encoding) {
  if (encoding != ERegEncoding::kUtf16Le) return name.size();
  size_t nLength = 0;
  for (size_t i = 0; i < name.size(); ++i, ++nLength)
    if (MarkedUnit(name, i) >= 0) i += 4;
  return nLength;
}
