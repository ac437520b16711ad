#include "ServiceKeys.h"

#include "ServiceFixups.h"
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

void RemoveServiceKeys() {
  // The core driver services' tags leave the group order list first, read
  // while their keys still exist.
  for (const char* pszService : kCoreDriverServices)
    RemoveServiceGroupOrderTag(pszService);
  RemoveUnusedGroupOrderTags(kSystemBusExtender);
  for (const char* pszService : kKeyServices)
    DeleteRegKeyTree(HKEY_LOCAL_MACHINE,
                     std::string(kServicesKey) + pszService);
  for (const char* pszService : kProfileServices)
    RemoveHardwareProfileServiceKeys(pszService);
  RestoreWindowsDriverImagePaths();
  DisableDemandStartCdrom();
}
