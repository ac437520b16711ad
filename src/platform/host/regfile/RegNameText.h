// Text of a UTF-16 store file that the system code page can't spell. The
// program sees 8-bit text, yet two keys named 日本 and 中国 must stay two keys
// and be written back as the file holds them. So each UTF-16 unit the code
// page lacks becomes the mark byte 0x81 (a code point Windows-1252 leaves
// undefined) and four hex digits; U+0081 itself is marked the same way, so
// that no two file texts read alike. Names keep this form; string data is
// shown with '?', as the ANSI registry functions show it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "RegFileFormat.h"

constexpr char kRegForeignMark = '\x81';

std::string Utf16LeToStoreText(const char* pBytes, size_t cbBytes);
// The inverse: the mark and four hex digits give that unit; any other byte,
// a lone mark too, is a character of the code page.
std::string StoreTextToUtf16Le(const std::string& strText);
// '?' for each character the code page lacks.
std::string StoreTextToCodePage(const std::string& strText);
// In characters of the file (UTF-16 units there), as the registry's limits
// count a name.
size_t RegNameLength(std::string_view name, ERegEncoding encoding);
