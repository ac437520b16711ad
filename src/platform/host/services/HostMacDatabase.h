// The MAC database of the suite's resource manager, as the host's stand-in
// for the repair driver keeps it: the REG_BINARY value "MacDatabase" under
// HKLM "System\CurrentControlSet\Services\Dovrel\System", a record of
// 32-bit little-endian words:
//   signature 'MACD' (0x4443414D), count n (at most 32),
//   n memory window base addresses (4 KByte aligned, C0000h..DF000h, each
//   once), checksum (the sum of all words before it, modulo 2^32).
// A record in exactly this shape is sound. Anything else is corrected: the
// valid, distinct addresses that can still be found (only when the
// signature is intact) are kept, in order, and the record is rewritten.
#pragma once

#include <vector>

#include "platform/Registry.h"

constexpr char kMacDatabaseKey[] =
    "System\\CurrentControlSet\\Services\\Dovrel\\System";
constexpr char kMacDatabaseValue[] = "MacDatabase";
constexpr DWORD kMacDatabaseSignature = 0x4443414D;
constexpr DWORD kMacDatabaseMaxEntries = 32;

// The bytes of a sound record holding these addresses.
std::vector<BYTE> MacDatabaseRecord(const std::vector<DWORD>& addresses);
// TRUE when the bytes are a sound record.
bool IsSoundMacDatabase(const std::vector<BYTE>& record);
// The addresses a damaged record still holds (see above).
std::vector<DWORD> SalvageMacDatabase(const std::vector<BYTE>& record);

// Checks the database and corrects it. ERROR_SUCCESS with *pdwResult 0 when
// it was sound, 1 when it was corrected (also when the value was missing);
// otherwise the Windows error of the registry (ERROR_FILE_NOT_FOUND when
// the resource manager's key doesn't exist) and *pdwResult untouched.
DWORD RepairMacDatabaseRecord(IRegistry& registry, DWORD* pdwResult);
