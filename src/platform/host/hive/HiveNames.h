// Key and value names as NT keeps them in a hive: UTF-16, compared
// without case by upper-casing each unit, stored as one byte a character
// ("compressed") when every unit fits in a byte.
#pragma once

#include <cstdint>
#include <string>

// NT's upper case of one UTF-16 unit. Covers the letters of Latin-1,
// Latin Extended-A, Greek, Cyrillic, Armenian and the full-width Latin
// forms; every other unit is its own upper case.
char16_t HiveUpcase(char16_t c);
// <0, 0 or >0 as NT orders two names in a subkey list: unit by unit on
// the upper-cased codes, a name before the longer names it begins.
int CompareHiveNames(const std::u16string& a, const std::u16string& b);
bool EqualHiveNames(const std::u16string& a, const std::u16string& b);

// True when NT stores the name compressed: every unit at most 0xFF.
bool IsCompressibleName(const std::u16string& strName);
// The bytes a key or value cell holds for the name (compressed or
// UTF-16LE, see above).
std::string StoredHiveName(const std::u16string& strName);
// The name from a cell's bytes.
std::u16string HiveNameFromStored(const unsigned char* p, size_t cb,
                                  bool bCompressed);

// A fast leaf's hint: the first four characters as bytes, zero-padded;
// its first byte is 0 when one of them does not fit in a byte.
uint32_t FastLeafHint(const std::u16string& strName);
// A hash leaf's hash: h = 37 * h + unit over the upper-cased name.
uint32_t HashLeafHash(const std::u16string& strName);
