#include "HiveBaseBlock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
uint32_t Dword(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
}  // namespace

uint32_t HiveBaseBlockChecksum(const unsigned char* pBlock) {
  uint32_t nSum = 0;
  for (size_t i = 0; i < 127; ++i) nSum ^= Dword(pBlock + 4 * i);
  if (nSum == 0) return 1;
  if (nSum == 0xFFFFFFFFu) return 0xFFFFFFFEu;
  return nSum;
}

std::string HiveBaseBlockFault(const unsigned char* pBlock, size_t cbBlock) {
  if (cbBlock < kHiveBaseBlockBytes || std::memcmp(pBlock, "regf", 4) != 0)
    return "not a registry hive";
  const uint32_t nSequence1 = Dword(pBlock + 4);
  const uint32_t nSequence2 = Dword(pBlock + 8);
  if (nSequence1 != nSequence2)
    return "the hive was not saved completely (sequence numbers " +
           std::to_string(nSequence1) + " and " + std::to_string(nSequence2) +
           " differ): Windows must recover it from its log first";
  const uint32_t nStored = Dword(pBlock + 508);
  // Hives written by older tools store the plain XOR, 0 included.
  uint32_t nPlain = 0;
  for (size_t i = 0; i < 127; ++i) nPlain ^= Dword(pBlock + 4 * i);
  if (nStored != HiveBaseBlockChecksum(pBlock) && nStored != nPlain)
    return "the base block's checksum is wrong: the hive is damaged";
  return std::string();
}

std::string CheckHiveFile(const std::string& strPath) {
  const int fd = open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return strPath + ": cannot open: " + std::strerror(errno);
  unsigned char block[kHiveBaseBlockBytes];
  size_t cbRead = 0;
  while (cbRead < sizeof block) {
    const ssize_t n = read(fd, block + cbRead, sizeof block - cbRead);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    cbRead += static_cast<size_t>(n);
  }
  close(fd);
  const std::string strFault = HiveBaseBlockFault(block, cbRead);
  return strFault.empty() ? strFault : strPath + ": " + strFault;
}
