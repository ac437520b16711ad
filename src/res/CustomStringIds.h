// String resources of the Customizations dialogs: the More Information
// texts (one per button) and the slot survey (src/res/CustomStrings.cpp).
#pragma once

#include "platform/WinTypes.h"

constexpr UINT IDS_MORE_MODEM_AT_BOOT = 132;
constexpr UINT IDS_MORE_POWER_OFF_SLOTS = 133;
constexpr UINT IDS_MORE_SHARE_PCI = 134;
constexpr UINT IDS_MORE_EXCLUDE_IRQ12_TO_15 = 135;
constexpr UINT IDS_MORE_ALLOCATION_START = 138;
constexpr UINT IDS_MORE_PORT_OVERRIDE = 139;
constexpr UINT IDS_MORE_DISABLE_NOTIFICATIONS = 140;
constexpr UINT IDS_MORE_SHARE_SINGLE_ISA = 141;
constexpr UINT IDS_MORE_DIFFERENT_ISA = 142;
constexpr UINT IDS_MORE_EXCLUDE_PCI_IRQS = 143;
constexpr UINT IDS_MORE_ALL_CARDS_SHARE_PCI = 146;
constexpr UINT IDS_MORE_RESERVED_WINDOWS = 147;
constexpr UINT IDS_SLOT_SURVEY = 148;
constexpr UINT IDS_MORE_PCI_CIS_ONLY = 149;
constexpr UINT IDS_MORE_ISA_ONLY = 150;
constexpr UINT IDS_MORE_PCI_ALWAYS = 151;
constexpr UINT IDS_MORE_PCI_CIS_AND_DRIVERS = 152;
