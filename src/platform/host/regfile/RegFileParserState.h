// The line-by-line state machine behind ParseRegFile: a body line is a
// section header, a value (whose hex data may continue over the following
// lines, each ending in a backslash but the last), a comment or blank.
#pragma once

#include <string>
#include <string_view>

#include "RegFileParser.h"

// True when the line is one of the two headers; sets the format.
bool ReadRegHeader(const CRegFileLine& line, CRegFileInfo* pInfo);

class CRegFileParser {
 public:
  CRegFileParser(const CRegFileInfo& info, IRegFileSink* pSink);
  // False when the file is refused; Error() tells why.
  bool OnLine(const CRegFileLine& line);
  bool OnEnd();
  const CRegParseError& Error() const { return m_error; }

 private:
  enum class EState { kBody, kHexData, kFailed };

  EState OnBodyLine(const CRegFileLine& line);
  EState OnHexLine(const CRegFileLine& line);
  EState OnSectionLine(std::string_view text, const CRegFileLine& line);
  EState OnValueLine(std::string_view text, const CRegFileLine& line);
  // Data after "name"=, hex continuations excluded.
  EState OnValueData(std::string_view data, const CRegFileLine& line);
  // Appends one line of hex data; continues when it ends in a backslash.
  EState TakeHexText(std::string_view text, const CRegFileLine& line);
  // The length of the value name at strText[*pnPos] in the file's
  // characters, or npos when no quote closes it.
  size_t TakeValueName(std::string_view strText, size_t* pnPos);
  EState TakeString(std::string_view strData, const CRegFileLine& line);
  EState FinishHexValue();
  EState FinishValue();
  EState Fail(size_t nLine, const std::string& strReason);

  const CRegFileInfo& m_info;
  IRegFileSink* m_pSink;
  bool m_bText;  // the sink takes names and string data
  EState m_state = EState::kBody;
  bool m_bInSection = false;
  CRegParsedValue m_value;  // the value being read
  std::string m_strHex;     // its hex text, continuations joined
  std::string m_strQuoted;  // its string, escapes undone
  std::string m_strPath;    // the section header's path
  CRegParseError m_error;
};
