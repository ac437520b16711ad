// Splits the bytes of a .reg file into lines, giving each line's place in
// the file and its text as the program sees it (8-bit, without line end).
#pragma once

#include <string>
#include <string_view>

#include "RegFileFormat.h"

struct CRegFileLine {
  size_t nRawBegin = 0;
  size_t nRawEnd = 0;           // just past the line end
  size_t nLine = 0;             // 1-based
  std::string_view text;        // valid until the reader's next line
  std::string_view strNewline;  // "\r\n", "\n" or empty at the end
};

class CRegLineReader {
 public:
  // Reads the lines of strRaw[nBegin, nEnd); nFirstLine is the number of the
  // line that starts at nBegin.
  CRegLineReader(const std::string& strRaw, ERegEncoding encoding,
                 size_t nBegin, size_t nEnd, size_t nFirstLine);
  // False at the end of the range.
  bool Next(CRegFileLine* pLine);

 private:
  bool NextCodePage(CRegFileLine* pLine);
  bool NextUtf16(CRegFileLine* pLine);

  const std::string& m_strRaw;
  ERegEncoding m_encoding;
  size_t m_nPos;
  size_t m_nEnd;
  size_t m_nLine;
  std::string m_strText;  // a UTF-16 line as 8-bit text
};

// Encodes 8-bit text for a file of that encoding.
std::string EncodeRegText(const std::string& strText, ERegEncoding encoding);
