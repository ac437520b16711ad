#include "HiveText.h"

#include <cstdint>

#include "platform/host/regfile/RegCodePage.h"

namespace {
void AppendUtf8(uint32_t nCode, std::string* pstrOut) {
  if (nCode < 0x80) {
    *pstrOut += static_cast<char>(nCode);
  } else if (nCode < 0x800) {
    *pstrOut += static_cast<char>(0xC0 | (nCode >> 6));
    *pstrOut += static_cast<char>(0x80 | (nCode & 0x3F));
  } else {
    *pstrOut += static_cast<char>(0xE0 | (nCode >> 12));
    *pstrOut += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
    *pstrOut += static_cast<char>(0x80 | (nCode & 0x3F));
  }
}

// Length of the UTF-8 sequence a lead byte opens; 0 for a stray byte.
size_t SequenceLength(unsigned char c) {
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) return 2;
  if ((c & 0xF0) == 0xE0) return 3;
  if ((c & 0xF8) == 0xF0) return 4;
  return 0;
}
}  // namespace

std::string CodePageToUtf8(const std::string& strText) {
  std::string strOut;
  strOut.reserve(strText.size());
  for (unsigned char c : strText) AppendUtf8(CodePageToUtf16(c), &strOut);
  return strOut;
}

std::string Utf8ToCodePage(const std::string& strUtf8) {
  std::string strOut;
  strOut.reserve(strUtf8.size());
  for (size_t i = 0; i < strUtf8.size();) {
    const unsigned char c = static_cast<unsigned char>(strUtf8[i]);
    const size_t nLength = SequenceLength(c);
    if (nLength == 0 || i + nLength > strUtf8.size()) {
      strOut += '?';
      ++i;
      continue;
    }
    uint32_t nCode = nLength == 1 ? c : c & (0x7F >> nLength);
    bool bValid = true;
    for (size_t k = 1; k < nLength; ++k) {
      const unsigned char d = static_cast<unsigned char>(strUtf8[i + k]);
      bValid = bValid && (d & 0xC0) == 0x80;
      nCode = (nCode << 6) | (d & 0x3F);
    }
    strOut += bValid ? static_cast<char>(Utf16ToCodePage(nCode)) : '?';
    i += bValid ? nLength : 1;
  }
  return strOut;
}

bool IsHiveTextType(DWORD dwType) {
  return dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ;
}

std::vector<BYTE> HiveToProgramData(DWORD dwType, const std::string& strRaw) {
  const std::string strData =
      IsHiveTextType(dwType) ? Utf16LeToCodePage(strRaw.data(), strRaw.size())
                             : strRaw;
  return std::vector<BYTE>(strData.begin(), strData.end());
}

std::string ProgramToHiveData(DWORD dwType, const std::vector<BYTE>& data) {
  const std::string strData(data.begin(), data.end());
  return IsHiveTextType(dwType) ? CodePageToUtf16Le(strData) : strData;
}
