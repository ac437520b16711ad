// Strings of the Clear subsystem.
#include "StringTable.h"

namespace {
// Entries in ascending order of id.
const CStringResource kStrings[] = {
    {0, ""},  // placeholder until the subsystem's strings are entered
};
}  // namespace

const CStringTableSection g_clearStrings = {
    kStrings, sizeof(kStrings) / sizeof(kStrings[0])};
