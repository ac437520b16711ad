#include "Hive.h"

#include <cstring>

#include "HiveBaseBlock.h"
#include "HiveBytes.h"
#include "HiveKeyNode.h"
#include "HiveNames.h"

namespace {
// Base block fields.
constexpr size_t kSequence1 = 4, kSequence2 = 8, kTimeStamp = 12;
constexpr size_t kMajor = 20, kMinor = 24, kRootCell = 36, kBinsSize = 40;
constexpr size_t kChecksum = 508;
}  // namespace

bool CHive::Load(std::string strFile, std::string* pstrWhy) {
  if (strFile.size() < kHiveBlockBytes + kHiveBlockBytes) {
    *pstrWhy = "the hive is cut short";
    return false;
  }
  m_strBase = strFile.substr(0, kHiveBlockBytes);
  const auto* pBase = reinterpret_cast<const unsigned char*>(m_strBase.data());
  m_nMinor = HiveDword(pBase + kMinor);
  // Versions 1.0 and 1.1 (NT 3.1) lay their cells out otherwise.
  if (HiveDword(pBase + kMajor) != 1 || m_nMinor < 2) {
    *pstrWhy = "the hive's version " +
               std::to_string(HiveDword(pBase + kMajor)) + "." +
               std::to_string(m_nMinor) + " is not one NT 3.5 or later writes";
    return false;
  }
  m_hRoot = HiveDword(pBase + kRootCell);
  const uint32_t cbBins = HiveDword(pBase + kBinsSize);
  if (cbBins == 0 || cbBins % kHiveBlockBytes != 0 ||
      cbBins > strFile.size() - kHiveBlockBytes) {
    *pstrWhy = "the base block's size of the hive bins is wrong";
    return false;
  }
  // Anything after the last bin is padding and not kept. The bins move
  // down in place: a hive as large as SOFTWARE is not held twice.
  strFile.resize(kHiveBlockBytes + cbBins);
  strFile.erase(0, kHiveBlockBytes);
  if (!m_space.Load(std::move(strFile), pstrWhy)) return false;
  if (Key(m_hRoot) == nullptr) {
    *pstrWhy = "the root key's cell is wrong";
    return false;
  }
  return true;
}

void CHive::Stamp(uint64_t nNow) {
  RepairHashLeaves();
  auto* pBase = reinterpret_cast<unsigned char*>(&m_strBase[0]);
  // NT raises the first number before it writes, the second after it.
  const uint32_t nSequence = HiveDword(pBase + kSequence2) + 1;
  PutHiveDword(pBase + kSequence1, nSequence);
  PutHiveDword(pBase + kSequence2, nSequence);
  PutHiveQword(pBase + kTimeStamp, nNow);
  PutHiveDword(pBase + kRootCell, m_hRoot);
  PutHiveDword(pBase + kBinsSize,
               static_cast<uint32_t>(m_space.Bytes().size()));
  PutHiveDword(pBase + kChecksum, HiveBaseBlockChecksum(pBase));
  m_space.StampFirstBin(nNow);
}

std::string CHive::Save(uint64_t nNow) {
  Stamp(nNow);
  return m_strBase + m_space.Bytes();
}

unsigned char* CHive::Key(HCELL hKey) {
  unsigned char* p = m_space.Cell(hKey, kNkName);
  if (p == nullptr || std::memcmp(p, "nk", 2) != 0) return nullptr;
  if (m_space.CellBytes(hKey) < kNkName + HiveWord(p + kNkNameLength))
    return nullptr;
  return p;
}

const unsigned char* CHive::Key(HCELL hKey) const {
  return const_cast<CHive*>(this)->Key(hKey);
}

bool CHive::KeyName(HCELL hKey, std::u16string* pstrName) const {
  const unsigned char* p = Key(hKey);
  if (p == nullptr) return false;
  *pstrName = HiveNameFromStored(p + kNkName, HiveWord(p + kNkNameLength),
                                 (HiveWord(p + kNkFlags) & kKeyCompName) != 0);
  return true;
}

uint64_t CHive::KeyTime(HCELL hKey) const {
  const unsigned char* p = Key(hKey);
  return p ? HiveQword(p + kNkTime) : 0;
}

void CHive::Touch(HCELL hKey, uint64_t nNow) {
  if (unsigned char* p = Key(hKey)) PutHiveQword(p + kNkTime, nNow);
}
