// The pieces of a value line of the export format: quoted names and
// strings with their escapes, "dword:" numbers and hex byte lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

// Reads a quoted string starting at strText[*pnPos] == '"'; on success
// *pnPos is just past the closing quote. Only \\ and \" are escapes, as
// regedit reads them; any other backslash stands for itself.
bool ParseQuotedText(std::string_view text, size_t* pnPos,
                     std::string* pstrOut);
// The same check without the copy: *pnLength is the length of the text the
// escapes stand for.
bool SkipQuotedText(std::string_view text, size_t* pnPos, size_t* pnLength);
// The quoted form of a name or string: backslashes and quotes escaped.
std::string QuoteText(const std::string& strText);

// 1 to 8 hex digits and nothing else.
bool ParseHexNumber(std::string_view text, DWORD* pdwValue);
// Comma-separated bytes of one or two hex digits, spaces allowed around each;
// a comma may end the list. False past nMaxBytes.
bool ParseHexBytes(std::string_view text, size_t nMaxBytes,
                   std::vector<BYTE>* pData);

// Space, tab and a stray CR: the blanks allowed between tokens.
bool IsRegBlank(char c);
std::string_view TrimRegBlanks(std::string_view text);
