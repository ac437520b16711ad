// Dialog template 213: interrupt settings. The radio buttons' IDs are
// consecutive (1138 to 1140) but they stand on screen, and in template
// order, as 1139, 1138, 1140; 1139 starts their group. The push button after
// them starts a new group, so that the radio group ends there.
#include "Resource.h"
#include "ResourceData.h"
#include "fw/DialogTemplate.h"

namespace {
const CDlgItemTemplate kItems[] = {
    {CtlClass::Button, IDC_SHARING_GROUP,
     "16 bit Modem and ATA PC Card IRQ Sharing", 13, 9, 298, 69, kGroupBox, 0,
     nullptr},
    {CtlClass::Button, IDC_SHARE_PCI,
     "Share the PCI/CardBus interrupt (version 4.10.10 or higher).", 24, 23,
     204, 14, kRadioButton | WS_GROUP | WS_TABSTOP, 0, nullptr},
    {CtlClass::Button, IDC_SHARE_SINGLE_ISA,
     "Share a single ISA interrupt (version 4.10.10 or higher).", 24, 40, 204,
     14, kRadioButton, 0, nullptr},
    {CtlClass::Button, IDC_DIFFERENT_ISA,
     "Use different ISA interrupts (version 5.00.13 or higher).", 24, 57, 204,
     14, kRadioButton, 0, nullptr},
    {CtlClass::Button, IDC_MORE_SHARE_PCI, "More Information", 231, 23, 65, 14,
     kPushButton | WS_GROUP, 0, nullptr},
    {CtlClass::Button, IDC_MORE_SHARE_SINGLE_ISA, "More Information", 231, 40,
     65, 14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_MORE_DIFFERENT_ISA, "More Information", 231, 57, 65,
     14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_ALL_CARDS_SHARE_PCI,
     "Configure ALL PC Cards to share the PCI/CardBus interrupt (version "
     "5.10.00 or higher).",
     8, 89, 225, 17, kCheckBox, 0, nullptr},
    {CtlClass::Button, IDC_MORE_ALL_CARDS_SHARE_PCI, "More Information", 250,
     89, 65, 14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_EXCLUDE_IRQ12_TO_15,
     "Exclude IRQs 12 though 15 when enabling SCSI and Specialty PC Cards at "
     "boot time (version 4.10.10 or higher).",
     8, 118, 225, 17, kCheckBox, 0, nullptr},
    {CtlClass::Button, IDC_MORE_EXCLUDE_IRQ12_TO_15, "More Information", 250,
     118, 65, 14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDC_EXCLUDE_PCI_IRQS,
     "Exclude all PCI IRQs from the IRQ Settings (version 5.00.14 or higher; "
     "now managed in Tessarine's IRQ Settings dialogs of version 5.10.02 or "
     "higher).",
     7, 147, 225, 27, kCheckBox, 0, nullptr},
    {CtlClass::Button, IDC_MORE_EXCLUDE_PCI_IRQS, "More Information", 249, 147,
     65, 14, kPushButton, 0, nullptr},
    {CtlClass::Button, IDOK, "OK", 83, 176, 50, 14, kDefPushButton, 0, nullptr},
    {CtlClass::Button, IDCANCEL, "Cancel", 189, 176, 50, 14, kPushButton, 0,
     nullptr},
};
}  // namespace

const CDialogTemplate g_interruptsDialog = {
    IDD_INTERRUPTS,
    "Registry Customizations - Interrupts",
    kModalDialogStyle,
    324,
    197,
    "MS Sans Serif",
    8,
    kItems,
    sizeof(kItems) / sizeof(kItems[0])};
