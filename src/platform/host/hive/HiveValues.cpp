// A key's values and their data: up to 4 bytes in the value cell itself,
// more in a cell of its own, over 16,344 bytes (from version 4) in
// segments listed by a big-data cell.
#include <cstring>

#include "Hive.h"
#include "HiveBytes.h"
#include "HiveKeyNode.h"
#include "HiveNames.h"

namespace {
uint32_t Segments(size_t cbData) {
  return static_cast<uint32_t>((cbData + CHive::kBigDataSegment - 1) /
                               CHive::kBigDataSegment);
}
}  // namespace

bool CHive::ReadData(const unsigned char* pValue, std::string* pstrData) const {
  const uint32_t nSize = HiveDword(pValue + kVkDataSize);
  const HCELL hData = HiveDword(pValue + kVkData);
  pstrData->clear();
  if (nSize & kVkDataInline) {
    const uint32_t cbData = nSize & ~kVkDataInline;
    if (cbData > 4) return false;
    pstrData->assign(reinterpret_cast<const char*>(pValue + kVkData), cbData);
    return true;
  }
  if (nSize == 0) return true;
  const unsigned char* pDb = m_space.Cell(hData, 8);
  if (m_nMinor >= 4 && nSize > kBigDataSegment && pDb &&
      std::memcmp(pDb, "db", 2) == 0) {
    const uint32_t nSegments = HiveWord(pDb + 2);
    const unsigned char* pList =
        m_space.Cell(HiveDword(pDb + kDbSegmentList), 4 * nSegments);
    if (pList == nullptr || nSegments != Segments(nSize)) return false;
    for (uint32_t i = 0; i < nSegments; ++i) {
      const size_t cb =
          std::min<size_t>(kBigDataSegment, nSize - pstrData->size());
      const unsigned char* pSegment =
          m_space.Cell(HiveDword(pList + 4 * i), cb);
      if (pSegment == nullptr) return false;
      pstrData->append(reinterpret_cast<const char*>(pSegment), cb);
    }
    return true;
  }
  const unsigned char* pData = m_space.Cell(hData, nSize);
  if (pData == nullptr) return false;
  pstrData->assign(reinterpret_cast<const char*>(pData), nSize);
  return true;
}

bool CHive::ReadValue(HCELL hValue, CHiveValue* pValue) const {
  const unsigned char* p = m_space.Cell(hValue, kVkName);
  if (p == nullptr || std::memcmp(p, "vk", 2) != 0) return false;
  const uint16_t cbName = HiveWord(p + kVkNameLength);
  if (m_space.CellBytes(hValue) < kVkName + size_t{cbName}) return false;
  pValue->strName = HiveNameFromStored(
      p + kVkName, cbName, (HiveWord(p + kVkFlags) & kValueCompName) != 0);
  pValue->dwType = HiveDword(p + kVkType);
  return ReadData(p, &pValue->strData);
}

bool CHive::Values(HCELL hKey, std::vector<CHiveValue>* pValues) const {
  pValues->clear();
  const unsigned char* p = Key(hKey);
  if (p == nullptr) return false;
  const uint32_t nCount = HiveDword(p + kNkValueCount);
  if (nCount == 0) return true;
  const unsigned char* pList =
      m_space.Cell(HiveDword(p + kNkValueList), 4 * size_t{nCount});
  if (pList == nullptr) return false;
  pValues->resize(nCount);
  for (uint32_t i = 0; i < nCount; ++i)
    if (!ReadValue(HiveDword(pList + 4 * i), &(*pValues)[i])) return false;
  return true;
}

bool CHive::FindValue(HCELL hKey, const std::u16string& strName,
                      uint32_t* pnIndex, HCELL* phValue) const {
  const unsigned char* p = Key(hKey);
  if (p == nullptr) return false;
  const uint32_t nCount = HiveDword(p + kNkValueCount);
  const unsigned char* pList =
      nCount ? m_space.Cell(HiveDword(p + kNkValueList), 4 * size_t{nCount})
             : nullptr;
  for (uint32_t i = 0; pList && i < nCount; ++i) {
    const HCELL hValue = HiveDword(pList + 4 * i);
    const unsigned char* pValue = m_space.Cell(hValue, kVkName);
    if (pValue == nullptr) continue;
    const uint16_t cbName = HiveWord(pValue + kVkNameLength);
    if (m_space.CellBytes(hValue) < kVkName + size_t{cbName}) continue;
    const std::u16string strStored =
        HiveNameFromStored(pValue + kVkName, cbName,
                           (HiveWord(pValue + kVkFlags) & kValueCompName) != 0);
    if (!EqualHiveNames(strStored, strName)) continue;
    *pnIndex = i;
    *phValue = hValue;
    return true;
  }
  return false;
}

void CHive::FreeData(HCELL hValue) {
  unsigned char* p = m_space.Cell(hValue, kVkName);
  if (p == nullptr) return;
  const uint32_t nSize = HiveDword(p + kVkDataSize);
  const HCELL hData = HiveDword(p + kVkData);
  PutHiveDword(p + kVkDataSize, kVkDataInline);
  PutHiveDword(p + kVkData, 0);
  if ((nSize & kVkDataInline) || nSize == 0) return;
  const unsigned char* pDb = m_space.Cell(hData, 8);
  if (m_nMinor >= 4 && nSize > kBigDataSegment && pDb &&
      std::memcmp(pDb, "db", 2) == 0) {
    const uint32_t nSegments = HiveWord(pDb + 2);
    const HCELL hList = HiveDword(pDb + kDbSegmentList);
    if (const unsigned char* pList = m_space.Cell(hList, 4 * nSegments)) {
      for (uint32_t i = 0; i < nSegments; ++i)
        m_space.Free(HiveDword(pList + 4 * i));
      m_space.Free(hList);
    }
  }
  m_space.Free(hData);
}

// Big data from version 4 on; NT 4.0 (version 3) keeps any size in one
// cell.
bool CHive::WriteData(HCELL hValue, const std::string& strData) {
  FreeData(hValue);
  const size_t cbData = strData.size();
  uint32_t nSize = static_cast<uint32_t>(cbData);
  HCELL hData = 0;
  if (cbData <= 4) {
    nSize |= kVkDataInline;
    std::memcpy(&hData, strData.data(), cbData);  // little-endian host
  } else if (m_nMinor >= 4 && cbData > kBigDataSegment) {
    const uint32_t nSegments = Segments(cbData);
    std::vector<HCELL> segments;
    for (uint32_t i = 0; i < nSegments; ++i) {
      const size_t nAt = size_t{i} * kBigDataSegment;
      const size_t cb = std::min<size_t>(kBigDataSegment, cbData - nAt);
      const HCELL hSegment = m_space.Alloc(cb);
      unsigned char* pSegment = m_space.Cell(hSegment, cb);
      if (pSegment == nullptr) return false;
      std::memcpy(pSegment, strData.data() + nAt, cb);
      segments.push_back(hSegment);
    }
    const HCELL hList = m_space.Alloc(4 * nSegments);
    unsigned char* pList = m_space.Cell(hList, 4 * nSegments);
    if (pList == nullptr) return false;
    for (uint32_t i = 0; i < nSegments; ++i)
      PutHiveDword(pList + 4 * i, segments[i]);
    hData = m_space.Alloc(8);
    unsigned char* pDb = m_space.Cell(hData, 8);
    if (pDb == nullptr) return false;
    std::memcpy(pDb, "db", 2);
    PutHiveWord(pDb + 2, static_cast<uint16_t>(nSegments));
    PutHiveDword(pDb + kDbSegmentList, hList);
  } else {
    hData = m_space.Alloc(cbData);
    unsigned char* pData = m_space.Cell(hData, cbData);
    if (pData == nullptr) return false;
    std::memcpy(pData, strData.data(), cbData);
  }
  unsigned char* p = m_space.Cell(hValue, kVkName);
  PutHiveDword(p + kVkDataSize, nSize);
  PutHiveDword(p + kVkData, hData);
  return true;
}

void CHive::FreeValue(HCELL hValue) {
  FreeData(hValue);
  m_space.Free(hValue);
}

HCELL CHive::NewValue(const CHiveValue& value) {
  const std::string strStored = StoredHiveName(value.strName);
  const HCELL hValue = m_space.Alloc(kVkName + strStored.size());
  unsigned char* p = m_space.Cell(hValue, kVkName + strStored.size());
  if (p == nullptr) return kNoCell;
  std::memcpy(p, "vk", 2);
  PutHiveWord(p + kVkNameLength, static_cast<uint16_t>(strStored.size()));
  PutHiveDword(p + kVkDataSize, kVkDataInline);
  PutHiveWord(p + kVkFlags,
              IsCompressibleName(value.strName) ? kValueCompName : uint16_t{0});
  std::memcpy(p + kVkName, strStored.data(), strStored.size());
  return hValue;
}

bool CHive::SetValue(HCELL hKey, const CHiveValue& value, uint64_t nNow) {
  if (Key(hKey) == nullptr) return false;
  uint32_t nIndex = 0;
  HCELL hValue = kNoCell;
  const bool bExists = FindValue(hKey, value.strName, &nIndex, &hValue);
  if (!bExists) {
    hValue = NewValue(value);
    const unsigned char* pKey = Key(hKey);
    const uint32_t nCount = HiveDword(pKey + kNkValueCount);
    const HCELL hOld = HiveDword(pKey + kNkValueList);
    if (nCount != 0 && m_space.Cell(hOld, 4 * size_t{nCount}) == nullptr)
      return false;
    const HCELL hList = nCount == 0 ? m_space.Alloc(4 * (nCount + 1))
                                    : m_space.Realloc(hOld, 4 * (nCount + 1));
    unsigned char* pList = m_space.Cell(hList, 4 * (nCount + 1));
    if (hValue == kNoCell || pList == nullptr) return false;
    PutHiveDword(pList + 4 * nCount, hValue);
    unsigned char* p = Key(hKey);
    PutHiveDword(p + kNkValueList, hList);
    PutHiveDword(p + kNkValueCount, nCount + 1);
  }
  if (!WriteData(hValue, value.strData)) return false;
  PutHiveDword(m_space.Cell(hValue, kVkName) + kVkType, value.dwType);
  unsigned char* p = Key(hKey);
  // The largest name (bytes of UTF-16) and data the key ever held.
  const uint32_t cbName = static_cast<uint32_t>(2 * value.strName.size());
  if (cbName > HiveDword(p + kNkMaxValueNameBytes))
    PutHiveDword(p + kNkMaxValueNameBytes, cbName);
  const uint32_t cbData = static_cast<uint32_t>(value.strData.size());
  if (cbData > HiveDword(p + kNkMaxValueDataBytes))
    PutHiveDword(p + kNkMaxValueDataBytes, cbData);
  PutHiveQword(p + kNkTime, nNow);
  return true;
}

bool CHive::DeleteValue(HCELL hKey, const std::u16string& strName,
                        uint64_t nNow) {
  uint32_t nIndex = 0;
  HCELL hValue = kNoCell;
  if (!FindValue(hKey, strName, &nIndex, &hValue)) return false;
  FreeValue(hValue);
  unsigned char* p = Key(hKey);
  const uint32_t nCount = HiveDword(p + kNkValueCount);
  const HCELL hList = HiveDword(p + kNkValueList);
  unsigned char* pList = m_space.Cell(hList, 4 * size_t{nCount});
  std::memmove(pList + 4 * nIndex, pList + 4 * (nIndex + 1),
               4 * (nCount - nIndex - 1));
  PutHiveDword(p + kNkValueCount, nCount - 1);
  if (nCount == 1) {
    m_space.Free(hList);
    PutHiveDword(p + kNkValueList, kNoCell);
  }
  PutHiveQword(p + kNkTime, nNow);
  return true;
}
