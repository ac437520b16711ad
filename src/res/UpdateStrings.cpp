// Strings of the Update Registry operation.
#include "ResourceData.h"
#include "fw/StringTable.h"

namespace {
const CStringResource kStrings[] = {
    {102, "Registry Update Completed Successfully"},
    {103,
     "You must restart your computer in order for these changes to fully "
     "take effect.\nWould you like to restart it now?"},
    {108, "You must re-install Tessarine before performing a registry update."},
    {169,
     "One or more registry values could not be written.\nThe registry "
     "update is incomplete."},
};
}  // namespace

const CStringTableSection g_updateStrings = {
    kStrings, sizeof(kStrings) / sizeof(kStrings[0])};
