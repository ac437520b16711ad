// Update Registry: brings the suite's registry settings up to the level this
// utility carries. PCI interrupt routing defaults, the card database, and,
// from the main window only, the CD-ROM start fix-up.
#pragma once

#include "platform/WinTypes.h"

class IMainForm;

// TRUE when it wrote (or tried to write) at least one routing value.
BOOL UpdatePirqDefaults();
// Writes every value of every entry; always TRUE.
BOOL UpdateCardDatabase();
// The silent run's update: 1 when it ran, 0 when refused for lack of
// administrator rights. Single failed writes don't change the result.
int SilentUpdateRegistry();
// The "Update Registry" button's handler.
void OnUpdateRegistry(IMainForm& form);

// Strings of the operation.
constexpr UINT IDS_UPDATE_COMPLETED = 102;
constexpr UINT IDS_RESTART_QUESTION = 103;
constexpr UINT IDS_REINSTALL_FIRST = 108;
