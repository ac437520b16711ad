// Dialog template 100: the main window's form. Template order is the tab
// order, which visits Clear before Repairs although Repairs stands above it.
#include "Resource.h"
#include "ResourceData.h"
#include "fw/DialogTemplate.h"

namespace {
const CDlgItemTemplate kItems[] = {
    {CtlClass::Button, IDC_UPDATE_REGISTRY, "Update Registry", 92, 14, 135, 24,
     kPushButton | WS_GROUP, 0, nullptr},
    {CtlClass::Button, IDC_REGISTRY_CUSTOMIZATIONS,
     "Registry Customizations...", 92, 50, 135, 24, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_CLEAR_REGISTRY, "Clear Registry && Delete Files", 92,
     122, 135, 24, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_REGISTRY_REPAIRS, "Registry Repairs...", 92, 86, 135,
     24, kPushButton, 0, nullptr},
};
}  // namespace

const CDialogTemplate g_formDialog = {
    IDD_FORM, "",     WS_CHILD | WS_BORDER | DS_SETFONT,
    320,      160,    "MS Sans Serif",
    8,        kItems, sizeof(kItems) / sizeof(kItems[0])};
