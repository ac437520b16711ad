// Dialog template 209: the About box. The product line carries the
// trade-mark sign of the system code page (0x99 in Windows-1252).
#include "Resource.h"
#include "ResourceData.h"
#include "fw/DialogTemplate.h"

namespace {
const CDlgItemTemplate kItems[] = {
    {CtlClass::Static, IDC_STATIC, "", 5, 4, 64, 65,
     SS_BITMAP | SS_CENTERIMAGE | WS_BORDER | WS_VISIBLE, IDB_LOGO, nullptr},
    {CtlClass::Static, IDC_ABOUT_PRODUCT,
     "Corvane Tessarine Registry Update Utility For Windows NT \x99 ", 75, 6,
     166, 15, kStaticText, 0, nullptr},
    {CtlClass::Static, IDC_STATIC, "Product Version:", 75, 29, 61, 8,
     kStaticText, 0, nullptr},
    {CtlClass::Static, IDC_VERSION, "", 139, 29, 102, 8, kStaticText, 0,
     nullptr},
    {CtlClass::Static, IDC_COPYRIGHT, "Copyright", 75, 45, 166, 25, kStaticText,
     0, nullptr},
    {CtlClass::Static, IDC_STATIC, "", 5, 74, 237, 2, SS_BLACKRECT | WS_VISIBLE,
     0, nullptr},
    {CtlClass::Static, IDC_STATIC, "Physical Memory:", 8, 82, 67, 10,
     kStaticText, 0, nullptr},
    {CtlClass::Static, IDC_PHYSICAL_MEMORY, "(Physical mem)", 78, 82, 93, 10,
     kStaticText, 0, nullptr},
    {CtlClass::Static, IDC_STATIC, "Memory Used:", 8, 91, 67, 10, kStaticText,
     0, nullptr},
    {CtlClass::Static, IDC_MEMORY_USED, "(%)", 78, 91, 93, 10, kStaticText, 0,
     nullptr},
    {CtlClass::Static, IDC_STATIC, "Processor:", 8, 100, 67, 10, kStaticText, 0,
     nullptr},
    {CtlClass::Static, IDC_PROCESSOR, "(processor)", 78, 100, 93, 10,
     kStaticText, 0, nullptr},
    {CtlClass::Static, IDC_STATIC, "Disk Space:", 8, 109, 67, 10, kStaticText,
     0, nullptr},
    {CtlClass::Static, IDC_DISK_SPACE, "(disk space)", 78, 109, 93, 10,
     kStaticText, 0, nullptr},
    {CtlClass::Button, IDOK, "OK", 176, 89, 47, 20, kDefPushButton | WS_GROUP,
     0, nullptr},
};
}  // namespace

const CDialogTemplate g_aboutDialog = {
    IDD_ABOUTBOX,
    "About Tessarine Registry Update Utility For Windows NT",
    kModalDialogStyle,
    246,
    123,
    "Arial",
    10,
    kItems,
    sizeof(kItems) / sizeof(kItems[0])};
