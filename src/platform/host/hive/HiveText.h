// Names and strings between a hive and the program: libhivex speaks UTF-8
// for names, a hive holds string data as UTF-16LE, the program sees 8-bit
// text of the system code page (RegCodePage.h).
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

std::string CodePageToUtf8(const std::string& strText);
// A code point the code page lacks becomes '?'; a broken UTF-8 sequence too.
std::string Utf8ToCodePage(const std::string& strUtf8);

// True for the types whose data a hive holds as UTF-16LE text and the
// program's ANSI functions see as 8-bit text.
bool IsHiveTextType(DWORD dwType);
// A value's data as the program sees it, from the hive's bytes.
std::vector<BYTE> HiveToProgramData(DWORD dwType, const std::string& strRaw);
// The hive's bytes of data the program set.
std::string ProgramToHiveData(DWORD dwType, const std::vector<BYTE>& data);
