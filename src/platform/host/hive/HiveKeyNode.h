// Field offsets of the cells a hive is made of, within the cell's data.
#pragma once

#include <cstddef>
#include <cstdint>

// Key node ("nk").
constexpr size_t kNkFlags = 2, kNkTime = 4, kNkParent = 16;
constexpr size_t kNkSubkeyCount = 20, kNkSubkeyList = 28;
constexpr size_t kNkVolatileList = 32, kNkValueCount = 36;
constexpr size_t kNkValueList = 40, kNkSecurity = 44, kNkClass = 48;
constexpr size_t kNkMaxNameBytes = 52, kNkMaxValueNameBytes = 60;
constexpr size_t kNkMaxValueDataBytes = 64, kNkNameLength = 72;
constexpr size_t kNkClassLength = 74, kNkName = 76;
constexpr uint16_t kKeyCompName = 0x0020;

// Key value ("vk").
constexpr size_t kVkNameLength = 2, kVkDataSize = 4, kVkData = 8;
constexpr size_t kVkType = 12, kVkFlags = 16, kVkName = 20;
constexpr uint16_t kValueCompName = 0x0001;
// Set in the data size when the data (at most 4 bytes) is the offset field.
constexpr uint32_t kVkDataInline = 0x80000000u;

// Key security ("sk").
constexpr size_t kSkFlink = 4, kSkBlink = 8, kSkReferences = 12;

// Subkey lists ("li", "lf", "lh", "ri") and big data ("db").
constexpr size_t kListCount = 2, kListEntries = 4;
constexpr size_t kDbSegmentList = 4;
