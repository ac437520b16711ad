#include "RegValueSyntax.h"

#include <cstring>

namespace {
// A table: every digit of every dword and hex byte of a file goes through it.
struct CHexDigits {
  signed char values[256];
  constexpr CHexDigits() : values() {
    for (int i = 0; i < 256; ++i) values[i] = -1;
    for (int i = 0; i < 10; ++i) values['0' + i] = static_cast<signed char>(i);
    for (int i = 0; i < 6; ++i) {
      values['a' + i] = static_cast<signed char>(10 + i);
      values['A' + i] = static_cast<signed char>(10 + i);
    }
  }
};
constexpr CHexDigits kHexDigits;

int HexDigit(char c) {
  return kHexDigits.values[static_cast<unsigned char>(c)];
}
}  // namespace

// A stray carriage return (a file cut after one) counts as a blank too.
bool IsRegBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view TrimRegBlanks(std::string_view text) {
  size_t nBegin = 0;
  size_t nEnd = text.size();
  while (nBegin < nEnd && IsRegBlank(text[nBegin])) ++nBegin;
  while (nEnd > nBegin && IsRegBlank(text[nEnd - 1])) --nEnd;
  return text.substr(nBegin, nEnd - nBegin);
}

bool ParseQuotedText(std::string_view text, size_t* pnPos,
                     std::string* pstrOut) {
  size_t i = *pnPos;
  if (i >= text.size() || text[i] != '"') return false;
  pstrOut->clear();
  ++i;
  while (true) {
    size_t nStop = i;
    while (nStop < text.size() && text[nStop] != '"' && text[nStop] != '\\')
      ++nStop;
    if (nStop == text.size()) return false;
    pstrOut->append(text.data() + i, nStop - i);
    i = nStop;
    if (text[i] == '"') {
      *pnPos = i + 1;
      return true;
    }
    if (i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) ++i;
    pstrOut->push_back(text[i++]);
  }
}

bool SkipQuotedText(std::string_view text, size_t* pnPos, size_t* pnLength) {
  if (*pnPos >= text.size() || text[*pnPos] != '"') return false;
  const char* p = text.data() + *pnPos + 1;
  const char* const pEnd = text.data() + text.size();
  size_t nLength = 0;
  while (true) {
    // Most strings hold no escape: one search for the closing quote and
    // one for a backslash before it.
    const char* pQuote =
        static_cast<const char*>(std::memchr(p, '"', pEnd - p));
    if (pQuote == nullptr) return false;
    const char* pEscape =
        static_cast<const char*>(std::memchr(p, '\\', pQuote - p));
    if (pEscape == nullptr) {
      *pnPos = pQuote + 1 - text.data();
      *pnLength = nLength + (pQuote - p);
      return true;
    }
    nLength += pEscape - p + 1;
    p = pEscape + 1;
    if (p < pEnd && (*p == '\\' || *p == '"')) ++p;
  }
}

std::string QuoteText(const std::string& strText) {
  std::string strOut = "\"";
  for (char c : strText) {
    if (c == '\\' || c == '"') strOut.push_back('\\');
    strOut.push_back(c);
  }
  strOut.push_back('"');
  return strOut;
}

bool ParseHexNumber(std::string_view text, DWORD* pdwValue) {
  if (text.empty() || text.size() > 8) return false;
  DWORD dwValue = 0;
  for (char c : text) {
    const int nDigit = HexDigit(c);
    if (nDigit < 0) return false;
    dwValue = (dwValue << 4) | static_cast<DWORD>(nDigit);
  }
  *pdwValue = dwValue;
  return true;
}

bool ParseHexBytes(std::string_view strText, size_t nMaxBytes,
                   std::vector<BYTE>* pData) {
  pData->clear();
  size_t i = 0;
  const size_t n = strText.size();
  while (true) {
    while (i < n && IsRegBlank(strText[i])) ++i;
    if (i == n) return true;  // an empty list, or a comma ends it
    int nValue = 0;
    size_t nDigits = 0;
    while (i < n && nDigits < 3 && HexDigit(strText[i]) >= 0) {
      nValue = nValue * 16 + HexDigit(strText[i++]);
      ++nDigits;
    }
    if (nDigits == 0 || nDigits > 2) return false;
    if (pData->size() >= nMaxBytes) return false;
    pData->push_back(static_cast<BYTE>(nValue));
    while (i < n && IsRegBlank(strText[i])) ++i;
    if (i == n) return true;
    if (strText[i] != ',') return false;
    ++i;
  }
}
