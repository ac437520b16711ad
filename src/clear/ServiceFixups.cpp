#include "ServiceFixups.h"

#include "sys/RegistryOps.h"
#include "update/GroupOrderList.h"

namespace {
struct CImagePathFixup {
  const char* pszService;
  const char* pszSuiteDriver;
  const char* pszWindowsDriver;
};
const CImagePathFixup kImagePathFixups[] = {
    {"Pcmcia", "Wembic", "Pcmcia"},
    {"Cdrom", "Zandre", "Cdrom"},
};

void RestoreImagePath(const CImagePathFixup& fixup, CRegistryTally& tally) {
  const std::string strKey = std::string(kServicesKey) + fixup.pszService;
  std::string strImagePath;
  ReadRegString(HKEY_LOCAL_MACHINE, strKey, "ImagePath", &strImagePath);
  if (ReplaceFirst(&strImagePath, fixup.pszSuiteDriver, fixup.pszWindowsDriver))
    tally.Write(
        WriteRegString(HKEY_LOCAL_MACHINE, strKey, "ImagePath", strImagePath),
        strKey, "ImagePath");
}
}  // namespace

bool ReplaceFirst(std::string* pstrText, const std::string& strFind,
                  const std::string& strReplacement) {
  const size_t nAt = pstrText->find(strFind);
  if (nAt == std::string::npos) return false;
  pstrText->replace(nAt, strFind.size(), strReplacement);
  return true;
}

void RestoreWindowsDriverImagePaths(CRegistryTally& tally) {
  for (const CImagePathFixup& fixup : kImagePathFixups)
    RestoreImagePath(fixup, tally);
}

void DisableDemandStartCdrom(CRegistryTally& tally) {
  const std::string strKey = std::string(kServicesKey) + "Cdrom";
  if (ReadRegDword(HKEY_LOCAL_MACHINE, strKey, "Start") == SERVICE_DEMAND_START)
    tally.Write(
        WriteRegDword(HKEY_LOCAL_MACHINE, strKey, "Start", SERVICE_DISABLED),
        strKey, "Start");
}
