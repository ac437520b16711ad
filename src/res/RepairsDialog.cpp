// Dialog template 216: the Repairs dialog.
#include "Resource.h"
#include "ResourceData.h"
#include "fw/DialogTemplate.h"

namespace {
const CDlgItemTemplate kItems[] = {
    {CtlClass::Button, IDC_REPAIR_MAC_DATABASE, "Repair MAC Database", 85, 14,
     135, 24, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_REPAIR_GROUP_ORDER_LIST, "Repair Group Order List",
     85, 52, 135, 24, kPushButton, 0, nullptr},
    {CtlClass::Button, IDOK, "OK", 128, 90, 50, 14, kDefPushButton | WS_GROUP,
     0, nullptr},
};
}  // namespace

const CDialogTemplate g_repairsDialog = {IDD_REPAIRS,
                                         "Registry Repairs",
                                         kModalDialogStyle,
                                         306,
                                         114,
                                         "MS Sans Serif",
                                         8,
                                         kItems,
                                         sizeof(kItems) / sizeof(kItems[0])};
