#include "RegFileStamp.h"

#include <sys/stat.h>

#include <cstring>

CRegFileStamp StampOf(const std::string& strPath) {
  CRegFileStamp stamp;
  struct stat st = {};
  if (stat(strPath.c_str(), &st) != 0) return stamp;
  stamp.bExists = true;
  stamp.nDevice = st.st_dev;
  stamp.nInode = st.st_ino;
  stamp.nSize = static_cast<uint64_t>(st.st_size);
  stamp.nModified =
      static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return stamp;
}

bool CRegFileStamp::operator==(const CRegFileStamp& other) const {
  return bExists == other.bExists && nDevice == other.nDevice &&
         nInode == other.nInode && nSize == other.nSize &&
         nModified == other.nModified;
}

uint64_t HashFileBytes(const std::string& strBytes) {
  // Eight bytes a step: a store file of several megabytes is hashed in a
  // few milliseconds, once when a journal begins.
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  uint64_t nHash = strBytes.size() * kMultiplier;
  size_t i = 0;
  for (; i + 8 <= strBytes.size(); i += 8) {
    uint64_t nWord = 0;
    std::memcpy(&nWord, strBytes.data() + i, 8);
    nHash = (nHash ^ nWord) * kMultiplier;
    nHash ^= nHash >> 32;
  }
  for (; i < strBytes.size(); ++i)
    nHash = (nHash ^ static_cast<unsigned char>(strBytes[i])) * kMultiplier;
  return nHash ^ (nHash >> 29);
}

namespace {
void PutU64(std::vector<BYTE>* pData, uint64_t n) {
  for (int nShift = 0; nShift < 64; nShift += 8)
    pData->push_back(static_cast<BYTE>(n >> nShift));
}

uint64_t GetU64(const std::vector<BYTE>& data, size_t nAt) {
  uint64_t n = 0;
  for (int k = 7; k >= 0; --k) n = (n << 8) | data[nAt + k];
  return n;
}
}  // namespace

CRegStoreOp FileMarkOp(ERegOp op, const std::string& strRootName,
                       const CRegFileMark& mark) {
  CRegStoreOp markOp{op, strRootName, {}, mark.bExists ? 1u : 0u, {}};
  PutU64(&markOp.data, mark.nSize);
  PutU64(&markOp.data, static_cast<uint64_t>(mark.nModified));
  PutU64(&markOp.data, mark.nHash);
  return markOp;
}

bool DecodeFileMark(const CRegStoreOp& op, CRegFileMark* pMark) {
  if (op.data.size() != 24 || op.dwType > 1) return false;
  pMark->bExists = op.dwType == 1;
  pMark->nSize = GetU64(op.data, 0);
  pMark->nModified = static_cast<int64_t>(GetU64(op.data, 8));
  pMark->nHash = GetU64(op.data, 16);
  return true;
}
