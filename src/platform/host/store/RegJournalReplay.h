// Replays one change of the journal onto a registry through its own calls,
// as the program made it: the file store and the hive store replay the
// same journal this way.
#pragma once

#include <string>
#include <vector>

#include "RegJournal.h"
#include "platform/Registry.h"

// A change to a root the journal does not name, or to a key that is gone,
// is skipped: each change sets a state, so replaying is safe on stores that
// already hold some of the changes.
void ReplayStoreOp(IRegistry& registry, const CRegStoreOp& op);
// Every change of the records, in order.
void ReplayRecords(IRegistry& registry,
                   const std::vector<CRegJournalRecord>& records);
