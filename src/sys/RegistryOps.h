// The program's registry operation set. Every key is opened or created with
// full access; reads report a missing value as 0xFFFFFFFF or an empty
// string; nothing is shown to the user and nothing is thrown. An operation
// that fails leaves the registry's Windows error as the thread's last error
// (LastError.h); a missing key or value is ERROR_FILE_NOT_FOUND.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// DWORD reads answer this for a value that is missing, unreadable or not a
// REG_DWORD; a stored 0xFFFFFFFF reads the same.
constexpr DWORD kRegDwordMissing = 0xFFFFFFFF;

// Read buffers, each a limit of the data model: a larger value reads as
// missing.
constexpr DWORD kRegDwordBufferSize = 260;
constexpr DWORD kRegStringBufferSize = 2048;
constexpr DWORD kRegBinaryBufferSize = 260;
constexpr DWORD kRegEnumNameBufferSize = 260;

BOOL CreateRegKey(HKEY hRoot, const std::string& strPath, HKEY* phKey);
// Every change so far stored where the system keeps the registry (each
// root flushed); FALSE when any could not be: nothing that relies on the
// changes may follow, and no success may be announced.
BOOL CommitRegistryChanges();
// FALSE when the key doesn't exist.
BOOL OpenRegKey(HKEY hRoot, const std::string& strPath, HKEY* phKey);
// DeleteKeyTree (RegKeyTree.h) on the registry port; a missing key, or a
// subkey name of 128 characters or more, is a failure.
BOOL DeleteRegKeyTree(HKEY hRoot, const std::string& strPath);
// Never creates the key; FALSE when the key or the value doesn't exist.
BOOL DeleteRegValue(HKEY hRoot, const std::string& strPath,
                    const std::string& strValue);

DWORD QueryRegDword(HKEY hKey, const std::string& strValue);
DWORD ReadRegDword(HKEY hRoot, const std::string& strPath,
                   const std::string& strValue);
// REG_SZ or REG_EXPAND_SZ (unexpanded) of at most 2048 bytes; empty
// otherwise.
void QueryRegString(HKEY hKey, const std::string& strValue,
                    std::string* pstrResult);
void ReadRegString(HKEY hRoot, const std::string& strPath,
                   const std::string& strValue, std::string* pstrResult);
// TRUE for a REG_BINARY of at most 260 bytes: copies the smaller of
// *pdwLength and the value's size, then sets *pdwLength to the value's size.
// FALSE leaves buffer and length untouched.
BOOL QueryRegBinary(HKEY hKey, const std::string& strValue, BYTE* pBuffer,
                    DWORD* pdwLength);

BOOL SetRegDword(HKEY hKey, const std::string& strValue, DWORD dwData);
// Creates the key and every missing key above it, writes, flushes, closes;
// a flush that fails fails the write (the value may not outlive the run).
BOOL WriteRegDword(HKEY hRoot, const std::string& strPath,
                   const std::string& strValue, DWORD dwData);
// REG_SZ of the text and its terminating zero.
BOOL SetRegString(HKEY hKey, const std::string& strValue,
                  const std::string& strData);
BOOL WriteRegString(HKEY hRoot, const std::string& strPath,
                    const std::string& strValue, const std::string& strData);
BOOL SetRegBinary(HKEY hKey, const std::string& strValue, const BYTE* pData,
                  DWORD cbData);

// The subkey name at an index; empty past the end, on failure, or when the
// name doesn't fit 259 characters.
std::string EnumRegSubkey(HKEY hKey, DWORD dwIndex);
