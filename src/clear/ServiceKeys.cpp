#include "ServiceKeys.h"

#include "ServiceFixups.h"
#include "platform/Platform.h"
#include "sys/RegistryOps.h"
#include "update/GroupOrderList.h"

namespace {
// Every service key of the suite, driver manager first.
const char* const kKeyServices[] = {"Trevant", "Pellin", "Pellix", "Gorvan",
                                    "Kestan",  "Velcor", "Quesk",  "Yurrin",
                                    "Fennet",  "Dovrel", "Mirrow", "Sidrel",
                                    "Brannic", "Tallum", "Orvik"};

// The services whose copies under the hardware profiles are removed; Tallum
// and Orvik keep theirs.
const char* const kProfileServices[] = {
    "Trevant", "Pellin", "Pellix", "Gorvan", "Kestan", "Velcor", "Quesk",
    "Yurrin",  "Fennet", "Dovrel", "Mirrow", "Sidrel", "Brannic"};
}  // namespace

namespace {
// The group order list functions answer FALSE also when there was nothing
// to remove; only a registry error left behind is a failure.
template <typename F>
void EditGroupOrderList(F edit, const std::string& strGroup,
                        CRegistryTally& tally) {
  SetLastError(ERROR_SUCCESS);
  const BOOL bChanged = edit();
  tally.Removal(bChanged || GetLastError() == ERROR_SUCCESS, kGroupOrderListKey,
                strGroup);
}
}  // namespace

void RemoveServiceKeys(CRegistryTally& tally) {
  // The core driver services' tags leave the group order list first, read
  // while their keys still exist.
  for (const char* pszService : kCoreDriverServices)
    EditGroupOrderList(
        [pszService] { return RemoveServiceGroupOrderTag(pszService); },
        pszService, tally);
  EditGroupOrderList(
      [] { return RemoveUnusedGroupOrderTags(kSystemBusExtender); },
      kSystemBusExtender, tally);
  for (const char* pszService : kKeyServices) {
    const std::string strKey = std::string(kServicesKey) + pszService;
    tally.Removal(DeleteRegKeyTree(HKEY_LOCAL_MACHINE, strKey), strKey);
  }
  for (const char* pszService : kProfileServices)
    RemoveHardwareProfileServiceKeys(pszService, tally);
  RestoreWindowsDriverImagePaths(tally);
  DisableDemandStartCdrom(tally);
}
