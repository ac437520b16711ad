// Update Registry: brings the suite's registry settings up to the level this
// utility carries. PCI interrupt routing defaults, the card database, and,
// from the main window only, the CD-ROM start fix-up.
#pragma once

#include "platform/WinTypes.h"

class IMainForm;

// TRUE when it wrote (or tried to write) at least one routing value. A
// failed write clears *pbAllWritten when given.
BOOL UpdatePirqDefaults(BOOL* pbAllWritten = nullptr);
// Writes every value of every entry, going on after a failed one (which
// clears *pbAllWritten when given); always TRUE.
BOOL UpdateCardDatabase(BOOL* pbAllWritten = nullptr);
// The silent run's update: 1 when every value was written, 0 when refused
// for lack of administrator rights or when a value could not be written.
int SilentUpdateRegistry();
// The "Update Registry" button's handler.
void OnUpdateRegistry(IMainForm& form);
