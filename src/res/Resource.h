// Resource numbers shared by the logic and the resource data: dialogs,
// bitmaps, the main frame's menu and document string, and control IDs. The
// strings' numbers are in the *StringIds.h files beside it.
#pragma once

#include "platform/WinTypes.h"

// Dialogs.
constexpr UINT IDD_FORM = 100;
constexpr UINT IDD_ABOUTBOX = 209;
constexpr UINT IDD_CUSTOMIZATIONS = 212;
constexpr UINT IDD_INTERRUPTS = 213;
constexpr UINT IDD_CARD_CONFIG = 214;
constexpr UINT IDD_MISC = 215;
constexpr UINT IDD_REPAIRS = 216;

// Main frame: menu, icon and document string share the number.
constexpr UINT IDR_MAINFRAME = 101;

// Bitmaps.
constexpr UINT IDB_SPLASH = 105;
constexpr UINT IDB_LOGO = 211;

// Main window's form (100).
constexpr UINT IDC_UPDATE_REGISTRY = 111;
constexpr UINT IDC_CLEAR_REGISTRY = 112;
constexpr UINT IDC_REGISTRY_CUSTOMIZATIONS = 113;
constexpr UINT IDC_REGISTRY_REPAIRS = 114;

// About box (209).
constexpr UINT IDC_ABOUT_PRODUCT = 110;
constexpr UINT IDC_VERSION = 112;
constexpr UINT IDC_COPYRIGHT = 109;
constexpr UINT IDC_PHYSICAL_MEMORY = 107;
constexpr UINT IDC_MEMORY_USED = 114;
constexpr UINT IDC_PROCESSOR = 113;
constexpr UINT IDC_DISK_SPACE = 108;

// Customizations menu (212).
constexpr UINT IDC_CARD_CONFIGURATION = 1146;
constexpr UINT IDC_INTERRUPTS = 114;
constexpr UINT IDC_MISCELLANEOUS = 115;

// Miscellaneous (215).
constexpr UINT IDC_POWER_OFF_SLOTS = 1133;
constexpr UINT IDC_MORE_POWER_OFF_SLOTS = 6;
constexpr UINT IDC_DISABLE_NOTIFICATIONS = 1135;
constexpr UINT IDC_MORE_DISABLE_NOTIFICATIONS = 9;

// Interrupts (213).
constexpr UINT IDC_SHARING_GROUP = 1145;
constexpr UINT IDC_SHARE_SINGLE_ISA = 1138;
constexpr UINT IDC_SHARE_PCI = 1139;
constexpr UINT IDC_DIFFERENT_ISA = 1140;
constexpr UINT IDC_MORE_SHARE_PCI = 10;
constexpr UINT IDC_MORE_SHARE_SINGLE_ISA = 3;
constexpr UINT IDC_MORE_DIFFERENT_ISA = 11;
constexpr UINT IDC_ALL_CARDS_SHARE_PCI = 1141;
constexpr UINT IDC_MORE_ALL_CARDS_SHARE_PCI = 1152;
constexpr UINT IDC_EXCLUDE_IRQ12_TO_15 = 1132;
constexpr UINT IDC_MORE_EXCLUDE_IRQ12_TO_15 = 5;
constexpr UINT IDC_EXCLUDE_PCI_IRQS = 1136;
constexpr UINT IDC_MORE_EXCLUDE_PCI_IRQS = 12;

// PC Card configuration (214).
constexpr UINT IDC_ADDRESS_SPACE_GROUP = 1147;
constexpr UINT IDC_ISA_ONLY = 1148;
constexpr UINT IDC_PCI_CIS_ONLY = 1149;
constexpr UINT IDC_PCI_CIS_AND_DRIVERS = 1150;
constexpr UINT IDC_PCI_ALWAYS = 1151;
constexpr UINT IDC_MORE_ISA_ONLY = 13;
constexpr UINT IDC_MORE_PCI_CIS_ONLY = 14;
constexpr UINT IDC_MORE_PCI_CIS_AND_DRIVERS = 15;
constexpr UINT IDC_MORE_PCI_ALWAYS = 16;
constexpr UINT IDC_MODEM_AT_BOOT = 1131;
constexpr UINT IDC_MORE_MODEM_AT_BOOT = 4;
constexpr UINT IDC_PORT_OVERRIDE = 1134;
constexpr UINT IDC_MORE_PORT_OVERRIDE = 8;
constexpr UINT IDC_RESERVED_WINDOWS = 1143;
constexpr UINT IDC_RESERVED_WINDOWS_LABEL = 1144;
constexpr UINT IDC_MORE_RESERVED_WINDOWS = 17;
constexpr UINT IDC_ALLOCATION_START = 1137;
constexpr UINT IDC_ALLOCATION_START_LABEL = 1142;
constexpr UINT IDC_MORE_ALLOCATION_START = 7;

// Repairs (216).
constexpr UINT IDC_REPAIR_MAC_DATABASE = 1153;
constexpr UINT IDC_REPAIR_GROUP_ORDER_LIST = 1154;
