// Dialog template 214: PC Card configuration settings. The two drop-down
// lists are sorted; their entries sort into the order listed here, and the
// stored numbers are their indexes.
#include "Resource.h"
#include "ResourceData.h"
#include "fw/DialogTemplate.h"

namespace {
const char* const kWindowCounts[] = {"0", "1", "2", "3", "4",    "5",
                                     "6", "7", "8", "9", nullptr};

const char* const kStartAddresses[] = {
    "C0000", "C1000", "C2000", "C3000", "C4000", "C5000", "C6000",
    "C7000", "C8000", "C9000", "CA000", "CB000", "CC000", "CD000",
    "CE000", "CF000", "D0000", "D1000", "D2000", "D3000", "D4000",
    "D5000", "D6000", "D7000", "D8000", "D9000", "DA000", "DB000",
    "DC000", "DD000", "DE000", "DF000", nullptr};

const CDlgItemTemplate kItems[] = {
    {CtlClass::Button, IDC_ADDRESS_SPACE_GROUP,
     "16 bit PC Card Configuration (version 5.10.00 or higher)", 13, 9, 298, 88,
     kGroupBox, 0, nullptr},
    {CtlClass::Button, IDC_ISA_ONLY, "Always use standard ISA address space.",
     24, 23, 204, 14, kRadioButton | WS_GROUP | WS_TABSTOP, 0, nullptr},
    {CtlClass::Button, IDC_PCI_CIS_ONLY,
     "Use PCI address space for CIS processing only.", 24, 40, 204, 14,
     kRadioButton, 0, nullptr},
    {CtlClass::Button, IDC_PCI_CIS_AND_DRIVERS,
     "Use PCI address space for CIS processing and Tessarine.", 24, 57, 204, 14,
     kRadioButton, 0, nullptr},
    {CtlClass::Button, IDC_PCI_ALWAYS, "Always use PCI address space.", 24, 74,
     204, 14, kRadioButton, 0, nullptr},
    {CtlClass::Button, IDC_MORE_ISA_ONLY, "More Information", 231, 23, 65, 14,
     kPushButton | WS_GROUP, 0, nullptr},
    {CtlClass::Button, IDC_MORE_PCI_CIS_ONLY, "More Information", 231, 40, 65,
     14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_MORE_PCI_CIS_AND_DRIVERS, "More Information", 231,
     57, 65, 14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_MORE_PCI_ALWAYS, "More Information", 231, 74, 65, 14,
     kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_MODEM_AT_BOOT,
     "Enable Modem PC Cards at boot time (version 5.00.07 or higher).", 8, 109,
     225, 14, kCheckBox, 0, nullptr},
    {CtlClass::Button, IDC_MORE_MODEM_AT_BOOT, "More Information", 250, 109, 65,
     14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_PORT_OVERRIDE,
     "Enable resource override for the Port ST24XCDR or Port NW24XCD card "
     "(ARC ATAPI or ARC SLIMZIP).",
     8, 138, 225, 17, kCheckBox, 0, nullptr},
    {CtlClass::Button, IDC_MORE_PORT_OVERRIDE, "More Information", 250, 138, 65,
     14, kPushButton, 0, nullptr},
    {CtlClass::ComboBox, IDC_RESERVED_WINDOWS, "", 7, 167, 41, 49,
     kDropDownList, 0, kWindowCounts},
    {CtlClass::Static, IDC_RESERVED_WINDOWS_LABEL,
     "Number of Reserved Memory Windows", 52, 170, 181, 8, kStaticText, 0,
     nullptr},
    {CtlClass::Button, IDC_MORE_RESERVED_WINDOWS, "More Information", 250, 167,
     65, 14, kPushButton, 0, nullptr},
    {CtlClass::ComboBox, IDC_ALLOCATION_START, "", 7, 196, 41, 49,
     kDropDownList, 0, kStartAddresses},
    {CtlClass::Static, IDC_ALLOCATION_START_LABEL,
     "Reserved Memory Windows Allocation Start Address", 52, 199, 181, 8,
     kStaticText, 0, nullptr},
    {CtlClass::Button, IDC_MORE_ALLOCATION_START, "More Information", 250, 196,
     65, 14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDOK, "OK", 83, 225, 50, 14, kDefPushButton, 0, nullptr},
    {CtlClass::Button, IDCANCEL, "Cancel", 189, 225, 50, 14, kPushButton, 0,
     nullptr},
};
}  // namespace

const CDialogTemplate g_cardConfigDialog = {
    IDD_CARD_CONFIG,
    "Registry Customizations - PC Card Configuration",
    kModalDialogStyle,
    324,
    246,
    "MS Sans Serif",
    8,
    kItems,
    sizeof(kItems) / sizeof(kItems[0])};
