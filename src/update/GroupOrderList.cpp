#include "GroupOrderList.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/NameCase.h"
#include "sys/RegistryOps.h"
#include "sys/ScopedHandles.h"

const char kGroupOrderListKey[] =
    "System\\CurrentControlSet\\Control\\GroupOrderList";
const char kServicesKey[] = "System\\CurrentControlSet\\Services\\";
const char* const kCoreDriverServices[9] = {"Velcor", "Brannic", "Kestan",
                                            "Dovrel", "Pellin",  "Mirrow",
                                            "Quesk",  "Tallum",  "Orvik"};
const char kSystemBusExtender[] = "System Bus Extender";

namespace {
// Working buffers in 32-bit words: the count and up to 1000 tags (one more
// word in RemoveGroupOrderTag). QueryRegBinary fills at most 260 bytes.
constexpr size_t kListWords = 1001;
constexpr size_t kRemoveListWords = 1002;
constexpr DWORD kMaxTagCount = 1000;

// A group's value as read into a cleared working buffer. The words are
// little-endian, as the system stores them.
class CGroupOrderValue {
 public:
  explicit CGroupOrderValue(size_t nWords) : m_bytes(nWords * 4, 0) {}

  // TRUE when the value is usable: a REG_BINARY of at most 260 bytes whose
  // count is below 1000 and whose tags all lie within the bytes read.
  BOOL Read(HKEY hList, const std::string& strGroup) {
    std::fill(m_bytes.begin(), m_bytes.end(), 0);
    DWORD cbLength = static_cast<DWORD>(m_bytes.size());
    if (!QueryRegBinary(hList, strGroup, m_bytes.data(), &cbLength))
      return FALSE;
    m_cbRead = cbLength;
    const DWORD nCount = Word(0);
    return nCount < kMaxTagCount && ListBytes(nCount) <= m_cbRead;
  }

  DWORD Count() const { return Word(0); }
  DWORD Tag(DWORD nIndex) const { return Word(nIndex + 1); }
  void SetCount(DWORD nCount) { SetWord(0, nCount); }
  void SetTag(DWORD nIndex, DWORD dwTag) { SetWord(nIndex + 1, dwTag); }
  DWORD BytesRead() const { return m_cbRead; }
  // Count and tags of a list of nCount tags, in bytes.
  static DWORD ListBytes(DWORD nCount) { return 4 + 4 * nCount; }

  BOOL Write(HKEY hList, const std::string& strGroup, DWORD cbData) const {
    return SetRegBinary(hList, strGroup, m_bytes.data(), cbData);
  }

 private:
  DWORD Word(size_t nIndex) const {
    const BYTE* p = &m_bytes[nIndex * 4];
    return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 |
           static_cast<DWORD>(p[2]) << 16 | static_cast<DWORD>(p[3]) << 24;
  }
  void SetWord(size_t nIndex, DWORD dwWord) {
    BYTE* p = &m_bytes[nIndex * 4];
    for (int i = 0; i < 4; ++i) p[i] = static_cast<BYTE>(dwWord >> (8 * i));
  }

  std::vector<BYTE> m_bytes;
  DWORD m_cbRead = 0;
};

typedef std::vector<DWORD> CTagList;

// The tags that the services of the group hold, walking the subkeys of the
// open Services key until the first index that yields no name.
CTagList HeldTags(HKEY hServices, const std::string& strGroup) {
  CTagList held;
  for (DWORD nIndex = 0;; ++nIndex) {
    const std::string strService = EnumRegSubkey(hServices, nIndex);
    if (strService.empty()) break;
    std::string strServiceGroup;
    ReadRegString(hServices, strService, "Group", &strServiceGroup);
    // Windows names load order groups without regard to case: a service
    // whose "Group" reads "system bus extender" loads in "System Bus
    // Extender".
    if (!SameName(strServiceGroup, strGroup)) continue;
    const DWORD dwTag = ReadRegDword(hServices, strService, "Tag");
    if (dwTag != kRegDwordMissing) held.push_back(dwTag);
  }
  return held;
}

CTagList ListedTags(const std::string& strGroup) {
  CTagList listed;
  CScopedRegKey list;
  if (!OpenRegKey(HKEY_LOCAL_MACHINE, kGroupOrderListKey, list.Receive()))
    return listed;
  CGroupOrderValue value(kListWords);
  if (!value.Read(list.Get(), strGroup)) return listed;
  for (DWORD i = 0; i < value.Count(); ++i) listed.push_back(value.Tag(i));
  return listed;
}

// The tags of the core driver services, whatever group they are in, and
// Pcmcia's tag (kRegDwordMissing when it has none).
void ReadSuiteAndPcmciaTags(CTagList* pSuiteTags, DWORD* pdwPcmciaTag) {
  CScopedRegKey services;
  if (!OpenRegKey(HKEY_LOCAL_MACHINE, kServicesKey, services.Receive())) {
    *pdwPcmciaTag = 0;
    return;
  }
  for (const char* pszService : kCoreDriverServices) {
    const DWORD dwTag = ReadRegDword(services.Get(), pszService, "Tag");
    if (dwTag != kRegDwordMissing) pSuiteTags->push_back(dwTag);
  }
  *pdwPcmciaTag = ReadRegDword(services.Get(), "Pcmcia", "Tag");
}

bool Contains(const CTagList& tags, DWORD dwTag) {
  return std::find(tags.begin(), tags.end(), dwTag) != tags.end();
}
}  // namespace

BOOL RemoveGroupOrderTag(const std::string& strGroup, DWORD dwTag) {
  CScopedRegKey list;
  if (!OpenRegKey(HKEY_LOCAL_MACHINE, kGroupOrderListKey, list.Receive()))
    return FALSE;
  CGroupOrderValue value(kRemoveListWords);
  if (!value.Read(list.Get(), strGroup)) return FALSE;

  DWORD nKept = 0;
  for (DWORD i = 0; i < value.Count(); ++i) {
    const DWORD dwListed = value.Tag(i);
    if (dwListed != dwTag) value.SetTag(nKept++, dwListed);
  }
  if (nKept == value.Count()) return FALSE;

  value.SetCount(nKept);
  return value.Write(list.Get(), strGroup, CGroupOrderValue::ListBytes(nKept));
}

BOOL RemoveServiceGroupOrderTag(const std::string& strService) {
  CScopedRegKey service;
  if (!OpenRegKey(HKEY_LOCAL_MACHINE, kServicesKey + strService,
                  service.Receive()))
    return FALSE;
  std::string strGroup;
  QueryRegString(service.Get(), "Group", &strGroup);
  if (strGroup.empty()) return FALSE;
  const DWORD dwTag = QueryRegDword(service.Get(), "Tag");
  if (dwTag == kRegDwordMissing) return FALSE;
  return RemoveGroupOrderTag(strGroup, dwTag);
}

BOOL RemoveUnusedGroupOrderTags(const std::string& strGroup) {
  CTagList held;
  {
    CScopedRegKey services;
    // Without the Services key no tag can be told to be held; removing them
    // all would destroy the load order of every service in the group.
    if (!OpenRegKey(HKEY_LOCAL_MACHINE, kServicesKey, services.Receive()))
      return FALSE;
    held = HeldTags(services.Get(), strGroup);
  }
  CTagList unused = ListedTags(strGroup);
  unused.erase(
      std::remove_if(unused.begin(), unused.end(),
                     [&held](DWORD dwTag) { return Contains(held, dwTag); }),
      unused.end());

  BOOL bRemoved = FALSE;
  for (DWORD dwTag : unused) {
    if (RemoveGroupOrderTag(strGroup, dwTag)) bRemoved = TRUE;
  }
  return bRemoved;
}

BOOL MovePcmciaBeforeSuiteDrivers() {
  CTagList suiteTags;
  DWORD dwPcmciaTag = kRegDwordMissing;
  ReadSuiteAndPcmciaTags(&suiteTags, &dwPcmciaTag);

  CScopedRegKey list;
  if (!OpenRegKey(HKEY_LOCAL_MACHINE, kGroupOrderListKey, list.Receive()))
    return FALSE;
  CGroupOrderValue value(kListWords);
  if (!value.Read(list.Get(), kSystemBusExtender)) return FALSE;
  // Without a tag of its own Pcmcia has no place in the list; a listed tag
  // that happens to equal the missing-value answer is not Pcmcia's.
  if (dwPcmciaTag == kRegDwordMissing) return FALSE;

  const DWORD kNone = kMaxTagCount;
  DWORD nPcmcia = kNone;
  DWORD nSuite = kNone;
  for (DWORD i = 0; i < value.Count(); ++i) {
    const DWORD dwTag = value.Tag(i);
    if (dwTag == dwPcmciaTag) {
      nPcmcia = i;
      break;
    }
    if (nSuite == kNone && Contains(suiteTags, dwTag)) nSuite = i;
  }
  if (nPcmcia == kNone || nSuite == kNone) return FALSE;

  for (DWORD i = nPcmcia; i > nSuite; --i) value.SetTag(i, value.Tag(i - 1));
  value.SetTag(nSuite, dwPcmciaTag);
  // The same number of bytes as were read: bytes after the tags survive.
  return value.Write(list.Get(), kSystemBusExtender, value.BytesRead());
}
