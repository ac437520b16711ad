// The registry's export format as the store keeps it: what a file is written
// in (its header, text encoding and line ends) and the limits every read
// honours.
#pragma once

#include <cstddef>
#include <string>

#include "platform/memory/MemoryRegistry.h"

// "REGEDIT4" files hold 8-bit text of the system code page; "Windows
// Registry Editor Version 5.00" files, as regedit and reg export write them,
// UTF-16LE with a byte order mark, and their hex(1), hex(2) and hex(7) data
// are UTF-16LE strings.
enum class ERegFormat { kRegedit4, kVersion5 };
enum class ERegEncoding { kCodePage, kUtf16Le };

struct CRegFileInfo {
  ERegFormat format = ERegFormat::kRegedit4;
  ERegEncoding encoding = ERegEncoding::kCodePage;
  std::string strNewline = "\r\n";  // of the header line; used for new lines
  size_t nBodyBegin = 0;            // byte offset just past the header line
};

extern const char kRegedit4Header[];
extern const char kVersion5Header[];

// Limits of what a file may hold, so that a damaged file can't make the
// store allocate without bound (the registry's own limits where it has one).
// Each is the one the registry enforces when a key or value is made, so that
// the store never writes a file it would refuse.
constexpr size_t kMaxRegFileBytes = size_t{512} << 20;
constexpr size_t kMaxRegValueBytes = CMemoryRegistry::kMaxValueBytes;
constexpr size_t kMaxRegValueNameLength = CMemoryRegistry::kMaxValueNameLength;
constexpr size_t kMaxRegKeyDepth = CMemoryRegistry::kMaxKeyDepth;
