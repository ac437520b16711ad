#include "CardConfigSettings.h"

#include "PortOverride.h"
#include "SettingsKeys.h"
#include "sys/RegistryOps.h"

namespace {
int InRangeOr(int nValue, int nCount, int nDefault) {
  return nValue >= 0 && nValue < nCount ? nValue : nDefault;
}

int ReadIndex(const char* pszKey, const char* pszValue, int nCount,
              int nDefault) {
  const DWORD dwData = ReadRegDword(HKEY_LOCAL_MACHINE, pszKey, pszValue);
  return dwData < DWORD(nCount) ? int(dwData) : nDefault;
}
}  // namespace

int AllocStartIndexOf(DWORD dwAllocationStart) {
  const DWORD dwIndex = (dwAllocationStart - kAllocationBase) >> 12;
  return dwIndex < DWORD(kAllocationStarts) ? int(dwIndex)
                                            : kDefaultAllocStartIndex;
}

DWORD AllocationStartOf(int nAllocStartIndex) {
  const int nIndex =
      InRangeOr(nAllocStartIndex, kAllocationStarts, kDefaultAllocStartIndex);
  return (DWORD(nIndex) + 0xC0) << 12;
}

CCardConfigSettings ReadCardConfigSettings() {
  CCardConfigSettings settings;
  const DWORD dwModem =
      ReadRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey, "CnfgModemAtBoot");
  if (dwModem != kRegDwordMissing) settings.bModemAtBoot = dwModem != 0;
  settings.nReservedWindows =
      ReadIndex(kKestanParametersKey, "NumReservedMemoryWindows",
                kReservedWindowCounts, kDefaultReservedWindows);
  const DWORD dwStart =
      ReadRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "AllocationStart");
  if (dwStart != kRegDwordMissing)
    settings.nAllocStartIndex = AllocStartIndexOf(dwStart);
  std::string strName;
  settings.bPortOverride = FindPortOverride(&strName);
  settings.nAddressSpace = ReadIndex(kDovrelSystemKey, "R2Configuration",
                                     kPciAlways + 1, kPciCisAndDrivers);
  return settings;
}

void WriteCardConfigSettings(const CCardConfigSettings& settings) {
  WriteRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey, "R2Configuration",
                DWORD(InRangeOr(settings.nAddressSpace, kPciAlways + 1,
                                kPciCisAndDrivers)));
  WriteRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey, "CnfgModemAtBoot",
                settings.bModemAtBoot ? 1 : 0);
  const int nWindows =
      InRangeOr(settings.nReservedWindows, kReservedWindowCounts,
                kDefaultReservedWindows);
  WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey,
                "NumReservedMemoryWindows", DWORD(nWindows));
  // With no windows reserved the start address means nothing and is kept.
  if (nWindows != 0) {
    WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "AllocationStart",
                  AllocationStartOf(settings.nAllocStartIndex));
  }
  ApplyPortOverride(settings.bPortOverride);
}
