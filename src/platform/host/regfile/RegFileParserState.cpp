#include "RegFileParserState.h"

#include "RegCodePage.h"
#include "RegNameText.h"
#include "RegValueSyntax.h"

namespace {
// Room for the hex text of the largest value: "xx," per byte, with blanks,
// and twice the bytes for a string held as UTF-16.
constexpr size_t kMaxHexText = 8 * kMaxRegValueBytes;

// In a version 5 file the string types hold UTF-16LE; the program sees them
// as 8-bit text, as the ANSI registry functions convert them.
bool IsUtf16StringType(DWORD dwType) {
  return dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ;
}

// Every line regedit writes ends in a line end, and every byte of hex data
// has two digits: a last line without one that ends in a comma or a lone
// digit is a file cut off while it was written.
bool IsCutShort(std::string_view strText, const CRegFileLine& line) {
  if (!line.strNewline.empty() || strText.empty()) return false;
  if (strText.back() == ',') return true;
  const size_t nStart = strText.find_last_of(", \t:") + 1;
  return strText.size() - nStart == 1;
}

size_t SkipBlanks(std::string_view strText, size_t i) {
  while (i < strText.size() && IsRegBlank(strText[i])) ++i;
  return i;
}
}  // namespace

bool ReadRegHeader(const CRegFileLine& line, CRegFileInfo* pInfo) {
  const std::string_view strHeader = TrimRegBlanks(line.text);
  pInfo->strNewline =
      line.strNewline.empty() ? "\r\n" : std::string(line.strNewline);
  if (strHeader == kRegedit4Header) {
    pInfo->format = ERegFormat::kRegedit4;
    return true;
  }
  if (strHeader == kVersion5Header) {
    pInfo->format = ERegFormat::kVersion5;
    return true;
  }
  return false;
}

CRegFileParser::CRegFileParser(const CRegFileInfo& info, IRegFileSink* pSink)
    : m_info(info), m_pSink(pSink), m_bText(pSink->TakesValueText()) {}

bool CRegFileParser::OnLine(const CRegFileLine& line) {
  if (m_state == EState::kBody)
    m_state = OnBodyLine(line);
  else if (m_state == EState::kHexData)
    m_state = OnHexLine(line);
  return m_state != EState::kFailed;
}

bool CRegFileParser::OnEnd() {
  // The last line ended in a backslash: the rest of the data was cut off.
  if (m_state == EState::kHexData)
    m_state =
        Fail(m_value.nLine, "hex data continues past the end of the file");
  return m_state != EState::kFailed;
}

CRegFileParser::EState CRegFileParser::Fail(size_t nLine,
                                            const std::string& strReason) {
  m_error.nLine = nLine;
  m_error.strReason = strReason;
  return EState::kFailed;
}

CRegFileParser::EState CRegFileParser::OnBodyLine(const CRegFileLine& line) {
  const std::string_view strText = TrimRegBlanks(line.text);
  if (strText.empty()) return EState::kBody;
  if (strText[0] == ';') {
    m_pSink->OnComment(line);
    return EState::kBody;
  }
  if (strText[0] == '[') return OnSectionLine(strText, line);
  if (strText[0] == '"' || strText[0] == '@') {
    if (!m_bInSection) return Fail(line.nLine, "value outside of any key");
    return OnValueLine(strText, line);
  }
  return Fail(line.nLine, "unexpected text");
}

CRegFileParser::EState CRegFileParser::OnSectionLine(std::string_view strText,
                                                     const CRegFileLine& line) {
  // A key name may hold "]": the header ends at the last one on the line.
  const size_t nClose = strText.rfind(']');
  if (nClose == std::string::npos || nClose + 1 != strText.size())
    return Fail(line.nLine, "key name not closed by \"]\"");
  const bool bDelete = nClose > 1 && strText[1] == '-';
  const size_t nStart = bDelete ? 2 : 1;
  if (nClose <= nStart) return Fail(line.nLine, "empty key name");
  // One buffer for every header: a file has many.
  m_strPath.assign(strText.data() + nStart, nClose - nStart);
  const std::string strWhy = m_pSink->OnSection(m_strPath, bDelete, line);
  if (!strWhy.empty()) return Fail(line.nLine, strWhy);
  m_bInSection = true;
  return EState::kBody;
}

CRegFileParser::EState CRegFileParser::OnValueLine(std::string_view strText,
                                                   const CRegFileLine& line) {
  // Reset keeping the buffers: a file has many values.
  m_value.strName.clear();
  m_value.bDelete = false;
  m_value.dwType = REG_NONE;
  m_value.data.clear();
  m_value.nRawBegin = line.nRawBegin;
  m_value.nRawEnd = line.nRawEnd;
  m_value.nLine = line.nLine;
  size_t i = 1;  // just past "@"
  size_t nNameLength = 0;
  if (strText[0] == '"') {
    i = 0;
    nNameLength = TakeValueName(strText, &i);
    if (nNameLength == std::string::npos)
      return Fail(line.nLine, "value name not closed by a quote");
  }
  if (nNameLength > kMaxRegValueNameLength)
    return Fail(line.nLine, "value name too long");
  i = SkipBlanks(strText, i);
  if (i >= strText.size() || strText[i] != '=')
    return Fail(line.nLine, "\"=\" expected after the value name");
  return OnValueData(TrimRegBlanks(strText.substr(i + 1)), line);
}

CRegFileParser::EState CRegFileParser::OnValueData(std::string_view strData,
                                                   const CRegFileLine& line) {
  if (strData == "-") {
    m_value.bDelete = true;
    return FinishValue();
  }
  if (!strData.empty() && strData[0] == '"') return TakeString(strData, line);
  if (strData.compare(0, 6, "dword:") == 0) {
    DWORD dwValue = 0;
    if (!ParseHexNumber(strData.substr(6), &dwValue))
      return Fail(line.nLine, "dword needs 1 to 8 hex digits");
    if (line.strNewline.empty() && strData.size() < 6 + 8)
      return Fail(line.nLine, "dword cut short at the end of the file");
    m_value.dwType = REG_DWORD;
    for (int nShift = 0; m_bText && nShift < 32; nShift += 8)
      m_value.data.push_back(static_cast<BYTE>(dwValue >> nShift));
    return FinishValue();
  }
  size_t nColon = std::string::npos;
  if (strData.compare(0, 4, "hex:") == 0) {
    m_value.dwType = REG_BINARY;
    nColon = 3;
  } else if (strData.compare(0, 4, "hex(") == 0) {
    const size_t nParen = strData.find("):", 4);
    if (nParen == std::string::npos ||
        !ParseHexNumber(strData.substr(4, nParen - 4), &m_value.dwType))
      return Fail(line.nLine, "hex(type) needs 1 to 8 hex digits");
    nColon = nParen + 1;
  } else {
    return Fail(line.nLine, "unknown value data");
  }
  m_strHex.clear();
  return TakeHexText(strData.substr(nColon + 1), line);
}

size_t CRegFileParser::TakeValueName(std::string_view strText, size_t* pnPos) {
  size_t nLength = 0;
  if (!m_bText && m_info.encoding == ERegEncoding::kCodePage)
    return SkipQuotedText(strText, pnPos, &nLength) ? nLength
                                                    : std::string::npos;
  std::string& strName = m_bText ? m_value.strName : m_strQuoted;
  if (!ParseQuotedText(strText, pnPos, &strName)) return std::string::npos;
  return RegNameLength(strName, m_info.encoding);
}

CRegFileParser::EState CRegFileParser::TakeString(std::string_view strData,
                                                  const CRegFileLine& line) {
  size_t i = 0;
  size_t nLength = 0;
  std::string& strValue = m_strQuoted;
  const bool bClosed = m_bText ? ParseQuotedText(strData, &i, &strValue)
                               : SkipQuotedText(strData, &i, &nLength);
  if (!bClosed || i != strData.size())
    return Fail(line.nLine, "string not closed by a quote");
  m_value.dwType = REG_SZ;
  if (!m_bText) return FinishValue();
  if (m_info.encoding == ERegEncoding::kUtf16Le)
    strValue = StoreTextToCodePage(strValue);
  m_value.data.reserve(strValue.size() + 1);
  m_value.data.assign(strValue.begin(), strValue.end());
  m_value.data.push_back(0);
  return FinishValue();
}

CRegFileParser::EState CRegFileParser::OnHexLine(const CRegFileLine& line) {
  return TakeHexText(TrimRegBlanks(line.text), line);
}

CRegFileParser::EState CRegFileParser::TakeHexText(std::string_view strText,
                                                   const CRegFileLine& line) {
  m_value.nRawEnd = line.nRawEnd;
  if (m_state == EState::kHexData && strText.empty())
    return Fail(m_value.nLine, "hex data continued by an empty line");
  if (IsCutShort(strText, line))
    return Fail(m_value.nLine, "hex data cut short at the end of the file");
  const bool bContinued = !strText.empty() && strText.back() == '\\';
  m_strHex.append(strText.data(), strText.size() - (bContinued ? 1 : 0));
  if (m_strHex.size() > kMaxHexText)
    return Fail(m_value.nLine, "value data too large");
  return bContinued ? EState::kHexData : FinishHexValue();
}

CRegFileParser::EState CRegFileParser::FinishHexValue() {
  const bool bUtf16 = m_info.format == ERegFormat::kVersion5 &&
                      IsUtf16StringType(m_value.dwType);
  if (!ParseHexBytes(m_strHex, (bUtf16 ? 2 : 1) * kMaxRegValueBytes,
                     &m_value.data))
    return Fail(m_value.nLine, "bad hex data");
  if (bUtf16) {
    const std::string strText =
        Utf16LeToCodePage(reinterpret_cast<const char*>(m_value.data.data()),
                          m_value.data.size());
    m_value.data.assign(strText.begin(), strText.end());
  }
  if (m_value.data.size() > kMaxRegValueBytes)
    return Fail(m_value.nLine, "value data too large");
  return FinishValue();
}

CRegFileParser::EState CRegFileParser::FinishValue() {
  const std::string strWhy = m_pSink->OnValue(m_value);
  if (!strWhy.empty()) return Fail(m_value.nLine, strWhy);
  return EState::kBody;
}
