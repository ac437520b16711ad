#include "PortOverride.h"

#include "SettingsKeys.h"
#include "platform/Platform.h"
#include "sys/RegistryOps.h"
#include "sys/ScopedHandles.h"

namespace {
constexpr DWORD kOverrideStart = 0;
constexpr DWORD kOverrideEnd = 0x200;
constexpr int kNameCharacters = 32;  // '0' to 'O': the bits of the mask

void MarkNameUsed(char chFirst, DWORD* pdwUsed) {
  const int nBit = chFirst - '0';
  if (nBit >= 0 && nBit < kNameCharacters) *pdwUsed |= DWORD(1) << nBit;
}

std::string FreeName(DWORD dwUsed) {
  for (int nBit = 0; nBit < kNameCharacters; ++nBit) {
    if ((dwUsed & (DWORD(1) << nBit)) == 0)
      return std::string(1, char('0' + nBit));
  }
  return std::string();
}

bool IsOverride(HKEY hList, const std::string& strName) {
  return ReadRegDword(hList, strName, "Start") == kOverrideStart &&
         ReadRegDword(hList, strName, "End") == kOverrideEnd;
}
}  // namespace

BOOL FindPortOverride(std::string* pstrName) {
  pstrName->clear();
  BOOL bFound = FALSE;
  DWORD dwUsed = 0;
  CScopedRegKey list;
  if (OpenRegKey(HKEY_LOCAL_MACHINE, kPortExclusionsKey, list.Receive())) {
    for (DWORD dwIndex = 0;; ++dwIndex) {
      const std::string strName = EnumRegSubkey(list.Get(), dwIndex);
      if (strName.empty()) break;
      MarkNameUsed(strName[0], &dwUsed);
      if (IsOverride(list.Get(), strName)) {
        *pstrName = strName;
        bFound = TRUE;
        break;
      }
    }
  }
  if (pstrName->empty()) *pstrName = FreeName(dwUsed);
  return bFound;
}

void ApplyPortOverride(BOOL bWanted) {
  std::string strName;
  const bool bPresent = FindPortOverride(&strName) != FALSE;
  if (bPresent == (bWanted != FALSE) || strName.empty()) return;
  const std::string strPath = std::string(kPortExclusionsKey) + "\\" + strName;
  if (bPresent) {
    DeleteRegKeyTree(HKEY_LOCAL_MACHINE, strPath);
    return;
  }
  CScopedRegKey key;
  if (!CreateRegKey(HKEY_LOCAL_MACHINE, strPath, key.Receive())) return;
  SetRegDword(key.Get(), "Start", kOverrideStart);
  SetRegDword(key.Get(), "End", kOverrideEnd);
}
