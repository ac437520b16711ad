#include "HostMacDatabase.h"

#include <algorithm>

#include "platform/host/HostRegKey.h"

namespace {
// Values larger than this are not records at all; nothing is salvaged.
constexpr DWORD kMaxRecordBytes = 4096;

DWORD WordAt(const std::vector<BYTE>& bytes, size_t offset) {
  return DWORD(bytes[offset]) | DWORD(bytes[offset + 1]) << 8 |
         DWORD(bytes[offset + 2]) << 16 | DWORD(bytes[offset + 3]) << 24;
}

void AppendWord(std::vector<BYTE>* pBytes, DWORD dw) {
  for (int shift = 0; shift < 32; shift += 8)
    pBytes->push_back(BYTE(dw >> shift));
}

bool IsWindowAddress(DWORD dw) {
  return dw >= 0xC0000 && dw <= 0xDF000 && (dw & 0xFFF) == 0;
}

// ERROR_FILE_NOT_FOUND for a missing value; *pdwType and *pRecord else.
DWORD ReadRecord(IRegistry& registry, HKEY hKey, DWORD* pdwType,
                 std::vector<BYTE>* pRecord) {
  DWORD cbData = 0;
  LONG lError = registry.RegQueryValueExA(hKey, kMacDatabaseValue, pdwType,
                                          nullptr, &cbData);
  if (lError != ERROR_SUCCESS) return DWORD(lError);
  if (cbData > kMaxRecordBytes) {
    pRecord->clear();
    return ERROR_SUCCESS;
  }
  pRecord->assign(cbData, 0);
  lError = registry.RegQueryValueExA(hKey, kMacDatabaseValue, pdwType,
                                     pRecord->data(), &cbData);
  pRecord->resize(cbData);
  return DWORD(lError);
}
}  // namespace

std::vector<BYTE> MacDatabaseRecord(const std::vector<DWORD>& addresses) {
  std::vector<BYTE> record;
  AppendWord(&record, kMacDatabaseSignature);
  AppendWord(&record, DWORD(addresses.size()));
  DWORD dwSum = kMacDatabaseSignature + DWORD(addresses.size());
  for (DWORD dw : addresses) {
    AppendWord(&record, dw);
    dwSum += dw;
  }
  AppendWord(&record, dwSum);
  return record;
}

bool IsSoundMacDatabase(const std::vector<BYTE>& record) {
  if (record.size() < 12 || record.size() % 4 != 0) return false;
  if (WordAt(record, 0) != kMacDatabaseSignature) return false;
  const DWORD dwCount = WordAt(record, 4);
  if (dwCount > kMacDatabaseMaxEntries || record.size() != 12 + 4 * dwCount)
    return false;
  std::vector<DWORD> addresses;
  for (DWORD i = 0; i < dwCount; ++i)
    addresses.push_back(WordAt(record, 8 + 4 * i));
  return record == MacDatabaseRecord(addresses) &&
         SalvageMacDatabase(record) == addresses;
}

std::vector<DWORD> SalvageMacDatabase(const std::vector<BYTE>& record) {
  std::vector<DWORD> addresses;
  if (record.size() < 12 || WordAt(record, 0) != kMacDatabaseSignature)
    return addresses;
  // Every word between the count and the last word is a candidate: the
  // count itself may be what was damaged.
  for (size_t offset = 8; offset + 8 <= record.size(); offset += 4) {
    const DWORD dw = WordAt(record, offset);
    if (!IsWindowAddress(dw)) continue;
    if (std::find(addresses.begin(), addresses.end(), dw) != addresses.end())
      continue;
    addresses.push_back(dw);
    if (addresses.size() == kMacDatabaseMaxEntries) break;
  }
  return addresses;
}

DWORD RepairMacDatabaseRecord(IRegistry& registry, DWORD* pdwResult) {
  CHostRegKey key(registry);
  LONG lError =
      registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMacDatabaseKey, key.Out());
  if (lError != ERROR_SUCCESS) return DWORD(lError);
  DWORD dwType = REG_NONE;
  std::vector<BYTE> record;
  const DWORD dwRead = ReadRecord(registry, key.Get(), &dwType, &record);
  if (dwRead != ERROR_SUCCESS && dwRead != ERROR_FILE_NOT_FOUND) return dwRead;
  if (dwRead == ERROR_SUCCESS && dwType == REG_BINARY &&
      IsSoundMacDatabase(record)) {
    *pdwResult = 0;
    return ERROR_SUCCESS;
  }
  const std::vector<BYTE> repaired = MacDatabaseRecord(
      dwType == REG_BINARY ? SalvageMacDatabase(record) : std::vector<DWORD>());
  lError = registry.RegSetValueExA(key.Get(), kMacDatabaseValue, REG_BINARY,
                                   repaired.data(), DWORD(repaired.size()));
  if (lError == ERROR_SUCCESS) lError = registry.RegFlushKey(key.Get());
  if (lError != ERROR_SUCCESS) return DWORD(lError);
  *pdwResult = 1;
  return ERROR_SUCCESS;
}
