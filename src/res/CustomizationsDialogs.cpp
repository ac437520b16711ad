// Dialog templates 212 (the Customizations menu) and 215 (Miscellaneous).
#include "Resource.h"
#include "ResourceData.h"
#include "fw/DialogTemplate.h"

namespace {
const CDlgItemTemplate kMenuItems[] = {
    {CtlClass::Button, IDC_CARD_CONFIGURATION, "PC Card Configuration...", 85,
     14, 135, 24, kPushButton | WS_GROUP, 0, nullptr},
    {CtlClass::Button, IDC_INTERRUPTS, "Interrupts...", 85, 52, 135, 24,
     kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_MISCELLANEOUS, "Miscellaneous...", 85, 90, 135, 24,
     kPushButton, 0, nullptr},
    {CtlClass::Button, IDOK, "OK", 128, 127, 50, 14, kDefPushButton, 0,
     nullptr},
};

const CDlgItemTemplate kMiscItems[] = {
    {CtlClass::Button, IDC_POWER_OFF_SLOTS,
     "Power off PC Card slots at system shutdown and system restart (version "
     "5.00.07 or higher).",
     8, 17, 225, 17, kCheckBox | WS_GROUP, 0, nullptr},
    {CtlClass::Button, IDC_MORE_POWER_OFF_SLOTS, "More Information", 250, 17,
     65, 14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_DISABLE_NOTIFICATIONS,
     "Disable ALL Tessarine card insertion and removal error notifications "
     "(version 5.00.12 or higher).",
     8, 46, 225, 17, kCheckBox, 0, nullptr},
    {CtlClass::Button, IDC_MORE_DISABLE_NOTIFICATIONS, "More Information", 250,
     46, 65, 14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDOK, "OK", 83, 76, 50, 14, kDefPushButton, 0, nullptr},
    {CtlClass::Button, IDCANCEL, "Cancel", 189, 76, 50, 14, kPushButton, 0,
     nullptr},
};
}  // namespace

const CDialogTemplate g_customizationsDialog = {
    IDD_CUSTOMIZATIONS,
    "Registry Customizations",
    kModalDialogStyle,
    306,
    151,
    "MS Sans Serif",
    8,
    kMenuItems,
    sizeof(kMenuItems) / sizeof(kMenuItems[0])};

const CDialogTemplate g_miscDialog = {
    IDD_MISC,
    "Registry Customizations - Miscellaneous",
    kModalDialogStyle,
    324,
    97,
    "MS Sans Serif",
    8,
    kMiscItems,
    sizeof(kMiscItems) / sizeof(kMiscItems[0])};
