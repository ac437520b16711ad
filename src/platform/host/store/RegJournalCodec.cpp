#include <algorithm>
#include <cstring>

#include "RegJournal.h"

const char kJournalMagic[8] = {'Q', 'R', 'J', 'O', 'U', 'R', 'N', '1'};

namespace {
const char kRecordMagic[4] = {'Q', 'R', 'E', 'C'};
constexpr size_t kRecordHeader = 12;  // magic, payload length, checksum
// No record is larger: a flush of more than this is split by nothing, so it
// bounds what a damaged length can make the reader allocate.
constexpr uint32_t kMaxRecordPayload = 1u << 30;

void PutU32(std::string* pOut, uint32_t n) {
  for (int nShift = 0; nShift < 32; nShift += 8)
    pOut->push_back(static_cast<char>(n >> nShift));
}

void PutBytes(std::string* pOut, const void* pData, size_t cb) {
  PutU32(pOut, static_cast<uint32_t>(cb));
  pOut->append(static_cast<const char*>(pData), cb);
}

class CReader {
 public:
  CReader(const char* p, size_t n) : m_p(p), m_n(n) {}
  bool U32(uint32_t* pn) {
    if (m_n - m_i < 4) return false;
    *pn = 0;
    for (int k = 3; k >= 0; --k)
      *pn = (*pn << 8) | static_cast<unsigned char>(m_p[m_i + k]);
    m_i += 4;
    return true;
  }
  bool U8(uint8_t* pn) {
    if (m_i >= m_n) return false;
    *pn = static_cast<uint8_t>(m_p[m_i++]);
    return true;
  }
  bool Bytes(std::string* pOut) {
    uint32_t cb = 0;
    if (!U32(&cb) || cb > m_n - m_i) return false;
    pOut->assign(m_p + m_i, cb);
    m_i += cb;
    return true;
  }
  bool AtEnd() const { return m_i == m_n; }

 private:
  const char* m_p;
  size_t m_n;
  size_t m_i = 0;
};

bool DecodeOp(CReader* pReader, CRegStoreOp* pOp) {
  uint8_t nKind = 0;
  std::string strData;
  if (!pReader->U8(&nKind) || nKind < 1 || nKind > 6) return false;
  pOp->op = static_cast<ERegOp>(nKind);
  if (!pReader->Bytes(&pOp->strPath) || !pReader->Bytes(&pOp->strName) ||
      !pReader->U32(&pOp->dwType) || !pReader->Bytes(&strData))
    return false;
  pOp->data.assign(strData.begin(), strData.end());
  return true;
}

bool DecodePayload(const char* p, size_t n, CRegJournalRecord* pOps) {
  CReader reader(p, n);
  uint32_t nCount = 0;
  if (!reader.U32(&nCount) || nCount > n) return false;
  pOps->resize(nCount);
  for (auto& op : *pOps)
    if (!DecodeOp(&reader, &op)) return false;
  return reader.AtEnd();
}
}  // namespace

uint32_t Crc32(const char* pBytes, size_t cbBytes) {
  static uint32_t s_table[256];
  static bool s_bReady = false;
  if (!s_bReady) {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      s_table[i] = c;
    }
    s_bReady = true;
  }
  uint32_t nCrc = 0xFFFFFFFFu;
  for (size_t i = 0; i < cbBytes; ++i)
    nCrc = s_table[(nCrc ^ static_cast<unsigned char>(pBytes[i])) & 0xFF] ^
           (nCrc >> 8);
  return nCrc ^ 0xFFFFFFFFu;
}

std::string EncodeJournalRecord(const CRegJournalRecord& ops) {
  std::string strPayload;
  PutU32(&strPayload, static_cast<uint32_t>(ops.size()));
  for (const auto& op : ops) {
    strPayload.push_back(static_cast<char>(op.op));
    PutBytes(&strPayload, op.strPath.data(), op.strPath.size());
    PutBytes(&strPayload, op.strName.data(), op.strName.size());
    PutU32(&strPayload, op.dwType);
    PutBytes(&strPayload, op.data.data(), op.data.size());
  }
  std::string strRecord(kRecordMagic, sizeof kRecordMagic);
  PutU32(&strRecord, static_cast<uint32_t>(strPayload.size()));
  PutU32(&strRecord, Crc32(strPayload.data(), strPayload.size()));
  return strRecord + strPayload;
}

namespace {
// The size of the whole, intact record at p, or 0 when there is none there.
size_t WholeRecordAt(const char* p, size_t n, CRegJournalRecord* pOps) {
  if (n < kRecordHeader || std::memcmp(p, kRecordMagic, sizeof kRecordMagic))
    return 0;
  CReader header(p + 4, 8);
  uint32_t cbPayload = 0, nCrc = 0;
  header.U32(&cbPayload);
  header.U32(&nCrc);
  if (cbPayload > kMaxRecordPayload || n - kRecordHeader < cbPayload) return 0;
  const char* pPayload = p + kRecordHeader;
  if (Crc32(pPayload, cbPayload) != nCrc ||
      !DecodePayload(pPayload, cbPayload, pOps))
    return 0;
  return kRecordHeader + cbPayload;
}

// Whether an intact record starts anywhere in the bytes: bad bytes before
// one are damage, not a torn tail.
bool HoldsWholeRecord(const char* p, size_t n) {
  for (size_t i = 0; i + kRecordHeader <= n; ++i) {
    const void* pHit = std::memchr(p + i, kRecordMagic[0], n - i);
    if (pHit == nullptr) return false;
    i = static_cast<size_t>(static_cast<const char*>(pHit) - p);
    CRegJournalRecord ops;
    if (WholeRecordAt(p + i, n - i, &ops) != 0) return true;
  }
  return false;
}
}  // namespace

bool DecodeJournalRecords(const char* pBytes, size_t cbBytes,
                          std::vector<CRegJournalRecord>* pRecords,
                          size_t* pnWhole, std::string* pstrError) {
  size_t i = 0;
  while (i < cbBytes) {
    CRegJournalRecord ops;
    const size_t cbRecord = WholeRecordAt(pBytes + i, cbBytes - i, &ops);
    if (cbRecord == 0) break;
    pRecords->push_back(std::move(ops));
    i += cbRecord;
  }
  *pnWhole = i;
  if (i < cbBytes && HoldsWholeRecord(pBytes + i + 1, cbBytes - i - 1)) {
    *pstrError =
        "damaged record at byte " + std::to_string(i) + ", before intact ones";
    return false;
  }
  return true;
}

bool DecodeJournal(const std::string& strBytes,
                   std::vector<CRegJournalRecord>* pRecords,
                   std::string* pstrError) {
  pRecords->clear();
  const size_t nMagic = sizeof kJournalMagic;
  // A crash while the journal was being created can leave part of its
  // header: that is an empty journal.
  if (std::memcmp(strBytes.data(), kJournalMagic,
                  std::min(nMagic, strBytes.size())) != 0) {
    *pstrError = "not a registry journal";
    return false;
  }
  if (strBytes.size() <= nMagic) return true;
  size_t nWhole = 0;
  if (!DecodeJournalRecords(&strBytes[nMagic], strBytes.size() - nMagic,
                            pRecords, &nWhole, pstrError)) {
    *pstrError = "damaged record at byte " + std::to_string(nMagic + nWhole) +
                 ", before intact ones";
    return false;
  }
  return true;
}
