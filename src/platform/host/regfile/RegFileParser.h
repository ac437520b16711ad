// Reads the registry's export format. The parser checks the syntax and turns
// each value into its type and bytes as the program sees them (8-bit text
// for strings, whatever the file's encoding); what the sections and values
// mean is left to the sink.
#pragma once

#include <string>
#include <vector>

#include "RegFileFormat.h"
#include "RegFileLines.h"
#include "platform/WinTypes.h"

struct CRegParsedValue {
  std::string strName;   // empty for the default value ("@")
  bool bDelete = false;  // "name"=-
  DWORD dwType = REG_NONE;
  std::vector<BYTE> data;
  size_t nRawBegin = 0;  // the value's lines in the file, continuations too
  size_t nRawEnd = 0;
  size_t nLine = 0;
};

class IRegFileSink {
 public:
  virtual ~IRegFileSink() = default;
  // Each returns an empty string to go on, or why the file is refused.
  // strPath is the text between the brackets, without a leading "-".
  virtual std::string OnSection(const std::string& strPath, bool bDelete,
                                const CRegFileLine& line) = 0;
  virtual std::string OnValue(const CRegParsedValue& value) = 0;
  // A comment line (";...") of the body.
  virtual void OnComment(const CRegFileLine& /*line*/) {}
  // False when the sink only checks the file: values are then checked as
  // strictly, but their names and string data are not copied out (OnValue
  // may see them empty; the type and deletion are kept).
  virtual bool TakesValueText() const { return true; }
};

struct CRegParseError {
  size_t nLine = 0;
  std::string strReason;
};

// A whole file: the header line, then the body. pInfo receives the format,
// encoding and line end. False with pError set when the file is refused.
bool ParseRegFile(const std::string& strRaw, IRegFileSink* pSink,
                  CRegFileInfo* pInfo, CRegParseError* pError);
// Body lines strRaw[nBegin, nEnd) of a file already read, nFirstLine being
// the number of the line at nBegin.
bool ParseRegBody(const std::string& strRaw, const CRegFileInfo& info,
                  size_t nBegin, size_t nEnd, size_t nFirstLine,
                  IRegFileSink* pSink, CRegParseError* pError);
