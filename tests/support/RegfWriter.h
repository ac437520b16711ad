// Hive files made byte by byte the way Windows NT 4.0 writes them, from a
// plain description of keys and values, independent of the store's own hive
// code: regf 1.3, cells tiled without gaps from the start of each 4 KB bin,
// subkey lists as fast leaves ("lf") with four-character hints, or as index
// leaves ("li") as on machines upgraded from NT 3.51, or as an index root
// ("ri") over leaves; names that fit in 8 bits stored compressed, others as
// UTF-16; security descriptors shared between keys; and beside the hive the
// files NT 4.0 leaves: an old-format .LOG, SYSTEM.ALT.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ERegfList { kHiveDefault, kFastLeaf, kIndexLeaf, kHashLeaf };

struct CRegfValue {
  std::string strName;  // UTF-8; empty for the default value
  uint32_t dwType = 1;
  std::string strData;  // raw bytes as the hive holds them
};

struct CRegfKey {
  CRegfKey() = default;
  explicit CRegfKey(const std::string& strKeyName) : strName(strKeyName) {}

  std::string strName;   // UTF-8
  std::string strClass;  // UTF-8; empty: no class name
  std::vector<CRegfValue> values;
  std::vector<CRegfKey> subkeys;  // any order; written in NT's order
  size_t nSecurity = 0;           // index into CRegfHive::descriptors
  ERegfList eList = ERegfList::kHiveDefault;

  // The key at a backslash path below this one, made when missing.
  CRegfKey& Key(const std::string& strPath);
  CRegfKey& SetString(const std::string& strName, const std::string& strText,
                      uint32_t dwType = 1);
  CRegfKey& SetDword(const std::string& strName, uint32_t dwValue);
  CRegfKey& Set(const std::string& strName, uint32_t dwType,
                const std::string& strData);
};

struct CRegfHive {
  CRegfKey root{"$$$PROTO.HIV"};
  uint32_t dwMinor = 3;
  ERegfList eList = ERegfList::kFastLeaf;
  // A list longer than this becomes an index root over leaves of at most
  // this many elements; 0: one leaf whatever its length.
  size_t nLeafMax = 0;
  // Self-relative security descriptors; empty: one, owner Administrators.
  std::vector<std::string> descriptors;
  uint32_t dwSequence = 5;
  bool bDirty = false;  // the primary sequence number one ahead
  uint64_t qwTime = 0x01BC6A43C5D3E000ull;  // in 1997
  std::string strFileName = "\\SystemRoot\\System32\\Config\\SYSTEM";
};

// A self-relative descriptor, owner and group S-1-5-32-<rid> (544:
// Administrators), with a null DACL.
std::string RegfDescriptor(uint32_t dwRid);

// The whole file.
std::string RegfImage(const CRegfHive& hive);
bool WriteRegfHive(const std::string& strPath, const CRegfHive& hive);

// Base block helpers, also for tests that tamper with a hive.
uint32_t RegfDword(const std::string& strImage, size_t nAt);
void PutRegfDword(std::string* pImage, size_t nAt, uint32_t dwValue);
// The checksum NT stores: XOR of the first 508 bytes as dwords, with 0
// stored as 1 and 0xFFFFFFFF as 0xFFFFFFFE.
uint32_t RegfChecksum(const std::string& strImage);
void StampRegfChecksum(std::string* pImage);

// An old-format log (<hive>.LOG) of the write that made image: the first
// sector of its base block (file type 1; image is clean, so both sequence
// numbers are already the write's), the "DIRT" vector marking the 512-byte
// pages of the bins given by dirtyPages, then those pages as image holds them.
std::string RegfOldLog(const std::string& strImage,
                       const std::vector<size_t>& dirtyPages);
// The 512-byte pages of the bins that differ between two images: what a
// save of b over a writes.
std::vector<size_t> RegfChangedPages(std::string a, std::string b);
// The primary file NT leaves when it stops in the middle of the write that
// the log above records: the base block of the new image with the primary
// sequence number one ahead of the secondary, and the bins of the old image
// except the first nWritten dirty pages, already the new ones.
std::string RegfInterruptedWrite(const std::string& strOld,
                                 const std::string& strNew,
                                 const std::vector<size_t>& dirtyPages,
                                 size_t nWritten);

// UTF-8 as UTF-16 code units, and back.
std::u16string RegfUtf16(const std::string& strUtf8);
std::string RegfUtf8(const std::u16string& strUtf16);
// NT's upper-casing of one UTF-16 unit for name comparisons (Latin-1,
// Latin Extended-A, Greek, Cyrillic, Armenian, full-width Latin; other
// units compare as they are).
char16_t RegfUpcase(char16_t c);
// NT's order of key names: upper-cased UTF-16, unit by unit, then length.
int RegfCompareNames(const std::u16string& a, const std::u16string& b);
// The hint of a fast leaf element: the first four characters as bytes when
// each is below 256 (zero padded), otherwise the first byte zero.
uint32_t RegfHint(const std::u16string& strName);
// The hash of a hash leaf element: H = 37 * H + upper-cased unit.
uint32_t RegfHash(const std::u16string& strName);
