#include "RegPathArena.h"

#include <cstring>

namespace {
constexpr size_t kBlockBytes = size_t{64} << 10;
}  // namespace

std::string_view CRegPathArena::Keep(std::string_view strPath) {
  if (strPath.empty()) return std::string_view();
  if (strPath.size() > m_nFree) {
    // A path longer than a block gets one of its own.
    const size_t nBytes =
        strPath.size() > kBlockBytes ? strPath.size() : kBlockBytes;
    m_blocks.emplace_back(new char[nBytes]);  // no need to zero it
    m_pFree = m_blocks.back().get();
    m_nFree = nBytes;
  }
  char* pCopy = m_pFree;
  std::memcpy(pCopy, strPath.data(), strPath.size());
  m_pFree += strPath.size();
  m_nFree -= strPath.size();
  return std::string_view(pCopy, strPath.size());
}
