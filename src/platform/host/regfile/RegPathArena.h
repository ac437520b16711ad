// Holds the key paths of a store file's sections in a few large blocks, not
// one allocation each: a file has a section per key, and its paths live as
// long as the file. A path kept stays where it is until the arena is gone,
// moved arenas included.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

class CRegPathArena {
 public:
  // A copy of strPath that lives as long as the arena.
  std::string_view Keep(std::string_view strPath);

 private:
  std::vector<std::unique_ptr<char[]>> m_blocks;
  char* m_pFree = nullptr;
  size_t m_nFree = 0;
};
