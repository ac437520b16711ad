// A value's type as libhivex passes it: its enum, which names only the
// types 0 to 11, while a hive may hold any 32-bit type. Types are copied
// as bytes, never converted, so that no out-of-range enum value arises.
#pragma once

#include <hivex.h>

#include <cstdint>
#include <cstring>

static_assert(sizeof(hive_type) == sizeof(uint32_t), "hive_type is 32-bit");

inline uint32_t FromHiveType(const hive_type* pType) {
  uint32_t dwType = 0;
  std::memcpy(&dwType, pType, sizeof dwType);
  return dwType;
}

inline void ToHiveType(uint32_t dwType, hive_type* pType) {
  std::memcpy(pType, &dwType, sizeof dwType);
}
