// Names and strings between a hive and the program: a hive holds names
// and string data as UTF-16, the program sees 8-bit text of the system
// code page (RegCodePage.h). A name the code page cannot spell is kept as
// the .reg store keeps it (RegNameText.h: 0x81 and four hex digits a
// unit), so that it stays distinct and is written back as the hive held it.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

std::string HiveNameToProgram(const std::u16string& strName);
std::u16string ProgramNameToHive(const std::string& strName);

// True for the types whose data a hive holds as UTF-16LE text and the
// program's ANSI functions see as 8-bit text.
bool IsHiveTextType(DWORD dwType);
// A value's data as the program sees it, from the hive's bytes.
std::vector<BYTE> HiveToProgramData(DWORD dwType, const std::string& strRaw);
// The hive's bytes of data the program set.
std::string ProgramToHiveData(DWORD dwType, const std::vector<BYTE>& data);
