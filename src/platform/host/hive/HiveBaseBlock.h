// The checks a hive's base block (its first 512 bytes) must pass before the
// store opens it: Windows itself would repair the hive first otherwise.
#pragma once

#include <cstdint>
#include <string>

struct CHiveBaseBlock {
  uint32_t nSequence1 = 0;  // raised before a write, ...
  uint32_t nSequence2 = 0;  // ... and this one after it: equal when clean
  uint32_t nChecksum = 0;   // as stored
};

constexpr size_t kHiveBaseBlockBytes = 512;

// The checksum of a base block: the XOR of its first 127 doublewords (0 and
// ~0 are stored as 1 and ~1).
uint32_t HiveBaseBlockChecksum(const unsigned char* pBlock);
// Why the base block can't be used, or empty when it can. pBlock holds
// cbBlock bytes from the start of the file.
std::string HiveBaseBlockFault(const unsigned char* pBlock, size_t cbBlock);
// Reads the start of the file and checks it; empty when it passes,
// otherwise "<path>: <reason>".
std::string CheckHiveFile(const std::string& strPath);
