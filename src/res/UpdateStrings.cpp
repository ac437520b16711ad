// Strings of the Update Registry operation.
#include "ResourceData.h"
#include "UpdateStringIds.h"
#include "fw/StringTable.h"

namespace {
const CStringResource kStrings[] = {
    {IDS_UPDATE_COMPLETED, "Registry Update Completed Successfully"},
    {IDS_RESTART_QUESTION,
     "You must restart your computer in order for these changes to fully "
     "take effect.\nWould you like to restart it now?"},
    {IDS_REINSTALL_FIRST,
     "You must re-install Tessarine before performing a registry update."},
    {IDS_UPDATE_INCOMPLETE,
     "One or more registry values could not be written.\nThe registry "
     "update is incomplete."},
};
}  // namespace

const CStringTableSection g_updateStrings = {
    kStrings, sizeof(kStrings) / sizeof(kStrings[0])};
