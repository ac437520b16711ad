#include "RegValueWriter.h"

#include <cstdio>

#include "RegCodePage.h"
#include "RegNameText.h"
#include "RegValueSyntax.h"

namespace {
// regedit breaks hex data so that no line runs past 80 columns.
constexpr size_t kHexWrapColumn = 76;

// The mark byte of foreign name characters is left to hex(1) too: quoted,
// a UTF-16 file could read it back as another character.
bool IsQuotableString(const std::vector<BYTE>& data) {
  if (data.empty() || data.back() != 0) return false;
  for (size_t i = 0; i + 1 < data.size(); ++i)
    if (data[i] == 0 || data[i] == '\r' || data[i] == '\n' ||
        data[i] == static_cast<BYTE>(kRegForeignMark))
      return false;
  return true;
}

std::string HexPrefix(DWORD dwType) {
  if (dwType == REG_BINARY) return "hex:";
  char szPrefix[16];
  std::snprintf(szPrefix, sizeof szPrefix, "hex(%x):", dwType);
  return szPrefix;
}

// What a file of that format holds for the data: version 5 files keep the
// string types in UTF-16LE.
std::vector<BYTE> StoredBytes(DWORD dwType, const std::vector<BYTE>& data,
                              ERegFormat format) {
  const bool bUtf16 =
      format == ERegFormat::kVersion5 &&
      (dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ);
  if (!bUtf16) return data;
  const std::string strWide =
      CodePageToUtf16Le(std::string(data.begin(), data.end()));
  return std::vector<BYTE>(strWide.begin(), strWide.end());
}

std::string FormatHex(std::string strLine, const std::vector<BYTE>& bytes,
                      const std::string& strNewline) {
  static const char kDigits[] = "0123456789abcdef";
  std::string strOut;
  for (size_t i = 0; i < bytes.size(); ++i) {
    strLine.push_back(kDigits[bytes[i] >> 4]);
    strLine.push_back(kDigits[bytes[i] & 15]);
    if (i + 1 == bytes.size()) break;
    strLine.push_back(',');
    if (strLine.size() >= kHexWrapColumn) {
      strOut += strLine + "\\" + strNewline;
      strLine = "  ";
    }
  }
  return strOut + strLine + strNewline;
}
}  // namespace

std::string FormatRegValue(const std::string& strName, DWORD dwType,
                           const std::vector<BYTE>& data, ERegFormat format,
                           const std::string& strNewline) {
  std::string strLine = strName.empty() ? "@=" : QuoteText(strName) + "=";
  if (dwType == REG_SZ && IsQuotableString(data))
    return strLine + QuoteText(std::string(data.begin(), data.end() - 1)) +
           strNewline;
  if (dwType == REG_DWORD && data.size() == 4) {
    char szNumber[16];
    std::snprintf(szNumber, sizeof szNumber, "dword:%08x",
                  data[0] | (data[1] << 8) | (data[2] << 16) |
                      (static_cast<DWORD>(data[3]) << 24));
    return strLine + szNumber + strNewline;
  }
  return FormatHex(strLine + HexPrefix(dwType),
                   StoredBytes(dwType, data, format), strNewline);
}

std::string FormatRegKeyHeader(const std::string& strPath,
                               const std::string& strNewline) {
  return "[" + strPath + "]" + strNewline;
}
