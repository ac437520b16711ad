#include "InterruptSettings.h"

#include "SettingsKeys.h"
#include "sys/RegistryOps.h"

namespace {
BOOL ReadFlag(const char* pszKey, const char* pszValue, BOOL bDefault) {
  const DWORD dwData = ReadRegDword(HKEY_LOCAL_MACHINE, pszKey, pszValue);
  return dwData == kRegDwordMissing ? bDefault : (dwData != 0);
}
}  // namespace

CInterruptSettings ReadInterruptSettings() {
  CInterruptSettings settings;
  settings.bExcludeIrq12To15 =
      ReadFlag(kDovrelSystemKey, "EnableSpecialIrqMask", FALSE);
  settings.bExcludePciIrqs =
      ReadFlag(kBrannicParametersKey, "ExcludePciIrqsFromIsaIrqMask", FALSE);
  const DWORD dwShare =
      ReadRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "ShareIRQ");
  if (dwShare == kAllCardsSharePci) {
    settings.nShareMode = kSharePci;
    settings.bAllCardsSharePci = TRUE;
  } else if (dwShare <= DWORD(kDifferentIsa)) {
    settings.nShareMode = int(dwShare);
  }
  return settings;
}

DWORD ShareIrqValue(int nShareMode, BOOL bAllCardsSharePci) {
  if (bAllCardsSharePci) return kAllCardsSharePci;
  if (nShareMode < kShareSingleIsa || nShareMode > kDifferentIsa)
    return DWORD(kSharePci);
  return DWORD(nShareMode);
}

void WriteInterruptSettings(const CInterruptSettings& settings) {
  WriteRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey, "EnableSpecialIrqMask",
                settings.bExcludeIrq12To15 ? 1 : 0);
  WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "ShareIRQ",
                ShareIrqValue(settings.nShareMode, settings.bAllCardsSharePci));
  WriteRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                "ExcludePciIrqsFromIsaIrqMask",
                settings.bExcludePciIrqs ? 1 : 0);
}
