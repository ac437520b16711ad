// The options of the Interrupts dialog as the registry holds them.
// "ShareIRQ" packs two controls: 0 to 2 choose one of the three sharing
// radio buttons; 3 means all cards share the PCI/CardBus interrupt, shown
// as the PCI radio button with the "all cards" box checked.
#pragma once

#include "platform/WinTypes.h"

// Positions of the sharing radio buttons, in control ID order (1138 ...).
constexpr int kShareSingleIsa = 0;
constexpr int kSharePci = 1;
constexpr int kDifferentIsa = 2;
constexpr DWORD kAllCardsSharePci = 3;

struct CInterruptSettings {
  BOOL bExcludeIrq12To15 = FALSE;
  BOOL bExcludePciIrqs = FALSE;
  BOOL bAllCardsSharePci = FALSE;
  int nShareMode = kSharePci;
};

// The stored options. A missing "ShareIRQ", or one above 3, opens as the
// default (share the PCI interrupt), so that OK only ever writes values the
// controls represent.
CInterruptSettings ReadInterruptSettings();
// The "ShareIRQ" data for the controls: 3 when all cards share, else the
// radio position (the default 1 for a position outside the three).
DWORD ShareIrqValue(int nShareMode, BOOL bAllCardsSharePci);
// Writes "EnableSpecialIrqMask", "ShareIRQ", "ExcludePciIrqsFromIsaIrqMask"
// in this order, changed or not. Failures are not reported.
void WriteInterruptSettings(const CInterruptSettings& settings);
