// Little-endian fields of a hive's bytes. Callers check bounds first.
#pragma once

#include <cstdint>

inline uint16_t HiveWord(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t HiveDword(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

inline uint64_t HiveQword(const unsigned char* p) {
  return HiveDword(p) | (static_cast<uint64_t>(HiveDword(p + 4)) << 32);
}

inline void PutHiveWord(unsigned char* p, uint16_t n) {
  p[0] = static_cast<unsigned char>(n);
  p[1] = static_cast<unsigned char>(n >> 8);
}

inline void PutHiveDword(unsigned char* p, uint32_t n) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(n >> (8 * i));
}

inline void PutHiveQword(unsigned char* p, uint64_t n) {
  PutHiveDword(p, static_cast<uint32_t>(n));
  PutHiveDword(p + 4, static_cast<uint32_t>(n >> 32));
}
