// The system code page of the host machine: Windows-1252 (Western European,
// the code page of an English or Western European Windows NT). The program
// sees every string as 8-bit text of this code page; the store converts it
// to and from UTF-16 where a file holds UTF-16.
#pragma once

#include <cstdint>
#include <string>

// UTF-16 code unit of an 8-bit character. The five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same
// value, as MultiByteToWideChar maps them, so every byte survives a round
// trip through UTF-16.
uint16_t CodePageToUtf16(unsigned char c);
// 8-bit character of a UTF-16 code point; '?' for one the code page lacks, as
// WideCharToMultiByte's default character.
unsigned char Utf16ToCodePage(uint32_t nCodePoint);

// Whole strings; UTF-16 as little-endian bytes. A surrogate pair is one
// character; an unpaired surrogate becomes '?'; an odd trailing byte is
// ignored.
std::string CodePageToUtf16Le(const std::string& strText);
std::string Utf16LeToCodePage(const char* pBytes, size_t cbBytes);
