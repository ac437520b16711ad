#include "RegFileParser.h"

#include "RegFileParserState.h"

const char kRegedit4Header[] = "REGEDIT4";
const char kVersion5Header[] = "Windows Registry Editor Version 5.00";

namespace {
bool HasPrefix(const std::string& strRaw, const char* pszPrefix, size_t n) {
  return strRaw.size() >= n && strRaw.compare(0, n, pszPrefix, n) == 0;
}

// The byte order mark tells the encoding; files without one are 8-bit.
bool DetectEncoding(const std::string& strRaw, CRegFileInfo* pInfo,
                    CRegParseError* pError) {
  pInfo->encoding = ERegEncoding::kCodePage;
  pInfo->nBodyBegin = 0;
  if (HasPrefix(strRaw, "\xFF\xFE", 2)) {
    pInfo->encoding = ERegEncoding::kUtf16Le;
    pInfo->nBodyBegin = 2;
  } else if (HasPrefix(strRaw, "\xFE\xFF", 2) ||
             HasPrefix(strRaw, "\xEF\xBB\xBF", 3)) {
    pError->nLine = 1;
    pError->strReason = "unsupported text encoding (UTF-16BE or UTF-8)";
    return false;
  }
  return true;
}
}  // namespace

bool ParseRegFile(const std::string& strRaw, IRegFileSink* pSink,
                  CRegFileInfo* pInfo, CRegParseError* pError) {
  if (strRaw.size() > kMaxRegFileBytes) {
    pError->nLine = 0;
    pError->strReason = "file too large";
    return false;
  }
  if (!DetectEncoding(strRaw, pInfo, pError)) return false;
  CRegLineReader reader(strRaw, pInfo->encoding, pInfo->nBodyBegin,
                        strRaw.size(), 1);
  CRegFileLine line;
  if (!reader.Next(&line) || !ReadRegHeader(line, pInfo)) {
    pError->nLine = 1;
    pError->strReason = std::string("missing header line \"") +
                        kRegedit4Header + "\" or \"" + kVersion5Header + "\"";
    return false;
  }
  pInfo->nBodyBegin = line.nRawEnd;
  return ParseRegBody(strRaw, *pInfo, line.nRawEnd, strRaw.size(), 2, pSink,
                      pError);
}

bool ParseRegBody(const std::string& strRaw, const CRegFileInfo& info,
                  size_t nBegin, size_t nEnd, size_t nFirstLine,
                  IRegFileSink* pSink, CRegParseError* pError) {
  CRegFileParser parser(info, pSink);
  CRegLineReader reader(strRaw, info.encoding, nBegin, nEnd, nFirstLine);
  CRegFileLine line;
  while (reader.Next(&line)) {
    if (!parser.OnLine(line)) {
      *pError = parser.Error();
      return false;
    }
  }
  if (!parser.OnEnd()) {
    *pError = parser.Error();
    return false;
  }
  return true;
}
