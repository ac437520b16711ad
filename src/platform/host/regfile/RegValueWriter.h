// Formats values, key headers and whole keys in the export format, as
// regedit writes them: "name"="text", dword:xxxxxxxx, hex: and hex(N): with
// lines wrapped before 80 columns.
#pragma once

#include <string>
#include <vector>

#include "RegFileFormat.h"
#include "platform/WinTypes.h"

// The value's line(s) as 8-bit text, each ended by strNewline. A REG_SZ is
// quoted only when its bytes are exactly a text and one terminating zero
// (no other zero, no line break); anything else is written as hex(1): so
// that it reads back byte for byte.
std::string FormatRegValue(const std::string& strName, DWORD dwType,
                           const std::vector<BYTE>& data, ERegFormat format,
                           const std::string& strNewline);
std::string FormatRegKeyHeader(const std::string& strPath,
                               const std::string& strNewline);
