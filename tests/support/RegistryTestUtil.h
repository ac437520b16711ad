// Registry helpers for tests: raw values of any type, tag lists as the
// group order list stores them, and a text dump of a whole tree for
// "nothing else changed" comparisons.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

typedef std::vector<BYTE> CBytes;

// Creates the key as needed and stores the value with its type.
void SetRawValue(HKEY hRoot, const std::string& strPath,
                 const std::string& strName, DWORD dwType, const CBytes& data);
// FALSE when the key or the value is missing.
bool GetRawValue(HKEY hRoot, const std::string& strPath,
                 const std::string& strName, DWORD* pdwType, CBytes* pData);
bool KeyExists(HKEY hRoot, const std::string& strPath);

// A count and the tags, little-endian, followed by extra bytes.
CBytes TagListBytes(const std::vector<DWORD>& tags,
                    const CBytes& trailing = CBytes());
// A raw value's bytes as 32-bit words (a trailing partial word is dropped).
std::vector<DWORD> Words(const CBytes& data);

// Every key below the path, one line per key and per value (type and hex
// bytes), sorted as the registry lists them. Empty for a missing key.
std::string DumpRegistryTree(HKEY hRoot, const std::string& strPath);
