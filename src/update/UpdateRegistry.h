// Update Registry: brings the suite's registry settings up to the level this
// utility carries. PCI interrupt routing defaults, the card database, and,
// from the main window only, the CD-ROM start fix-up.
#pragma once

#include "platform/WinTypes.h"
#include "sys/RegistryTally.h"

class IMainForm;

// TRUE when it wrote (or tried to write) at least one routing value. A
// failed write counts in the tally when given.
BOOL UpdatePirqDefaults(CRegistryTally* pTally = nullptr);
// Writes every value of every entry, going on after a failed one (which
// counts in the tally when given); always TRUE.
BOOL UpdateCardDatabase(CRegistryTally* pTally = nullptr);
// The silent run's update: 1 when every value was written, 0 when refused
// for lack of administrator rights or when a value could not be written.
int SilentUpdateRegistry();
// The "Update Registry" button's handler.
void OnUpdateRegistry(IMainForm& form);
