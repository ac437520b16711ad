// Helpers of the registry store's tests: a store in a directory of its own,
// and short ways to read and write values through a registry.
#pragma once

#include <string>
#include <vector>

#include "ProcessRunner.h"
#include "platform/Registry.h"

// <dir>/<name>.
std::string InDir(const CTempDir& dir, const std::string& strName);

// Sets a value below a root, creating the key; false on any failure.
bool PutValue(IRegistry& registry, HKEY hRoot, const std::string& strPath,
              const std::string& strName, DWORD dwType,
              const std::vector<BYTE>& data);
bool PutString(IRegistry& registry, HKEY hRoot, const std::string& strPath,
               const std::string& strName, const std::string& strText);
// Type and bytes of a value; false when the key or value is missing.
bool GetValue(IRegistry& registry, HKEY hRoot, const std::string& strPath,
              const std::string& strName, DWORD* pdwType,
              std::vector<BYTE>* pData);
bool KeyExists(IRegistry& registry, HKEY hRoot, const std::string& strPath);
std::vector<BYTE> Bytes(const std::string& strBytes);
// The text and its terminating zero, as a REG_SZ holds it.
std::vector<BYTE> SzBytes(const std::string& strText);
// 8-bit text as UTF-16LE bytes with a byte order mark, as regedit writes.
std::string Utf16File(const std::string& strText);
