#include "RegFileLines.h"

#include <cstring>

#include "RegNameText.h"

CRegLineReader::CRegLineReader(const std::string& strRaw, ERegEncoding encoding,
                               size_t nBegin, size_t nEnd, size_t nFirstLine)
    : m_strRaw(strRaw),
      m_encoding(encoding),
      m_nPos(nBegin),
      m_nEnd(nEnd),
      m_nLine(nFirstLine) {}

bool CRegLineReader::Next(CRegFileLine* pLine) {
  if (m_nPos >= m_nEnd) return false;
  pLine->nRawBegin = m_nPos;
  pLine->nLine = m_nLine++;
  return m_encoding == ERegEncoding::kUtf16Le ? NextUtf16(pLine)
                                              : NextCodePage(pLine);
}

bool CRegLineReader::NextCodePage(CRegFileLine* pLine) {
  const char* pStart = m_strRaw.data() + m_nPos;
  const void* pNewline = std::memchr(pStart, '\n', m_nEnd - m_nPos);
  size_t nTextEnd =
      pNewline ? static_cast<size_t>(static_cast<const char*>(pNewline) -
                                     m_strRaw.data())
               : m_nEnd;
  m_nPos = pNewline ? nTextEnd + 1 : m_nEnd;
  pLine->strNewline = pNewline ? "\n" : "";
  if (nTextEnd > pLine->nRawBegin && m_strRaw[nTextEnd - 1] == '\r') {
    --nTextEnd;
    if (pNewline) pLine->strNewline = "\r\n";
  }
  pLine->text = std::string_view(pStart, nTextEnd - pLine->nRawBegin);
  pLine->nRawEnd = m_nPos;
  return true;
}

bool CRegLineReader::NextUtf16(CRegFileLine* pLine) {
  size_t nUnitEnd = m_nPos;
  bool bNewline = false;
  while (nUnitEnd + 1 < m_nEnd) {
    if (m_strRaw[nUnitEnd] == '\n' && m_strRaw[nUnitEnd + 1] == '\0') {
      bNewline = true;
      break;
    }
    nUnitEnd += 2;
  }
  if (!bNewline) nUnitEnd = m_nEnd;  // an odd trailing byte ends the text
  size_t nTextEnd = nUnitEnd;
  pLine->strNewline = bNewline ? "\n" : "";
  if (nTextEnd >= m_nPos + 2 && m_strRaw[nTextEnd - 2] == '\r' &&
      m_strRaw[nTextEnd - 1] == '\0') {
    nTextEnd -= 2;
    if (bNewline) pLine->strNewline = "\r\n";
  }
  m_strText = Utf16LeToStoreText(m_strRaw.data() + m_nPos, nTextEnd - m_nPos);
  pLine->text = m_strText;
  m_nPos = bNewline ? nUnitEnd + 2 : m_nEnd;
  pLine->nRawEnd = m_nPos;
  return true;
}

std::string EncodeRegText(const std::string& strText, ERegEncoding encoding) {
  return encoding == ERegEncoding::kUtf16Le ? StoreTextToUtf16Le(strText)
                                            : strText;
}
