// Creating and deleting keys, and the security cells they share.
#include <cstring>

#include "Hive.h"
#include "HiveBytes.h"
#include "HiveKeyNode.h"
#include "HiveNames.h"

namespace {
// Deeper than the registry lets a path go: a loop in a damaged hive.
constexpr int kMaxKeyDepth = 512;
}  // namespace

void CHive::AddSecurityReference(HCELL hSecurity) {
  unsigned char* p = m_space.Cell(hSecurity, kSkReferences + 4);
  if (p == nullptr || std::memcmp(p, "sk", 2) != 0) return;
  PutHiveDword(p + kSkReferences, HiveDword(p + kSkReferences) + 1);
}

// The last reference gone, the cell leaves the hive's list of security
// cells and is freed.
void CHive::DropSecurityReference(HCELL hSecurity) {
  unsigned char* p = m_space.Cell(hSecurity, kSkReferences + 4);
  if (p == nullptr || std::memcmp(p, "sk", 2) != 0) return;
  const uint32_t nReferences = HiveDword(p + kSkReferences);
  if (nReferences > 1) {
    PutHiveDword(p + kSkReferences, nReferences - 1);
    return;
  }
  const HCELL hNext = HiveDword(p + kSkFlink);
  const HCELL hPrevious = HiveDword(p + kSkBlink);
  unsigned char* pNext = m_space.Cell(hNext, kSkReferences);
  unsigned char* pPrevious = m_space.Cell(hPrevious, kSkReferences);
  if (hNext == hSecurity || pNext == nullptr || pPrevious == nullptr) {
    PutHiveDword(p + kSkReferences, 0);
    return;
  }
  PutHiveDword(pNext + kSkBlink, hPrevious);
  PutHiveDword(pPrevious + kSkFlink, hNext);
  m_space.Free(hSecurity);
}

HCELL CHive::CreateSubkey(HCELL hParent, const std::u16string& strName,
                          uint64_t nNow) {
  const unsigned char* pParent = Key(hParent);
  if (pParent == nullptr || strName.empty()) return kNoCell;
  const HCELL hSecurity = HiveDword(pParent + kNkSecurity);
  const std::string strStored = StoredHiveName(strName);
  const HCELL hKey = m_space.Alloc(kNkName + strStored.size());
  unsigned char* p = m_space.Cell(hKey, kNkName + strStored.size());
  if (p == nullptr) return kNoCell;
  std::memcpy(p, "nk", 2);
  PutHiveWord(p + kNkFlags,
              IsCompressibleName(strName) ? kKeyCompName : uint16_t{0});
  PutHiveQword(p + kNkTime, nNow);
  PutHiveDword(p + kNkParent, hParent);
  for (size_t nField : {kNkSubkeyList, kNkVolatileList, kNkValueList, kNkClass})
    PutHiveDword(p + nField, kNoCell);
  PutHiveDword(p + kNkSecurity, hSecurity);
  PutHiveWord(p + kNkNameLength, static_cast<uint16_t>(strStored.size()));
  std::memcpy(p + kNkName, strStored.data(), strStored.size());
  AddSecurityReference(hSecurity);
  if (!AddToList(hParent, hKey, strName)) {
    DropSecurityReference(hSecurity);
    m_space.Free(hKey);
    return kNoCell;
  }
  Touch(hParent, nNow);
  return hKey;
}

void CHive::FreeKeyTree(HCELL hKey, int nDepth) {
  std::vector<HCELL> subkeys;
  if (nDepth > kMaxKeyDepth || !Subkeys(hKey, &subkeys)) return;
  for (HCELL hSubkey : subkeys) FreeKeyTree(hSubkey, nDepth + 1);
  const unsigned char* p = Key(hKey);
  if (!subkeys.empty()) FreeSubkeyList(HiveDword(p + kNkSubkeyList));
  const uint32_t nValues = HiveDword(p + kNkValueCount);
  const HCELL hValues = HiveDword(p + kNkValueList);
  if (const unsigned char* pList = m_space.Cell(hValues, 4 * size_t{nValues})) {
    for (uint32_t i = 0; i < nValues; ++i) FreeValue(HiveDword(pList + 4 * i));
    m_space.Free(hValues);
  }
  const HCELL hClass = HiveDword(p + kNkClass);
  if (hClass != kNoCell) m_space.Free(hClass);
  DropSecurityReference(HiveDword(p + kNkSecurity));
  m_space.Free(hKey);
}

bool CHive::DeleteSubkey(HCELL hParent, HCELL hKey, uint64_t nNow) {
  if (!RemoveFromList(hParent, hKey)) return false;
  FreeKeyTree(hKey, 0);
  Touch(hParent, nNow);
  return true;
}
