// Strings of the Repairs subsystem: the MAC database repair and the group
// order list repair.
#include "ResourceData.h"
#include "fw/StringTable.h"

namespace {
// Entries in ascending order of id.
const CStringResource kStrings[] = {
    {154,
     "Unable to open communication with the Service Control Manager.\r\n"
     "Failed with error code %d."},
    {155,
     "Unable to create Registry Update Utility Kernel Service.\r\n"
     "Failed with error code %d."},
    {156,
     "Unable to start Registry Update Utility Kernel Service.\r\n"
     "Failed with error code %d."},
    {157,
     "Unable to stop Registry Update Utility Kernel Service.\r\n"
     "Failed with error code %d."},
    {158,
     "Unable to delete Registry Update Utility Kernel Service.\r\n"
     "Failed with error code %d."},
    {159,
     "Unable to repair Registry MAC Database.\r\n"
     "Failed with error code %d."},
    {160,
     "No errors were found in the MAC Database.\r\n"
     "No corrections or changes have been made."},
    {161,
     "The MAC Database repair completed successfully.\r\n\r\n"
     "You must upgrade to version 5.00.14 or higher to avoid this problem in "
     "the future.\r\n"
     "If Tessarine is not currently installed, then find and delete the file "
     "DOVRELBK\r\n"
     "from the Tessarine program files directory.\r\n\r\n"
     "Your computer will now be restarted."},
    {162,
     "After successful completion of the repair operation,\r\n"
     "this program will restart your computer.\r\n\r\n"
     "Do you wish to continue?"},
    {163,
     "Unable to close a service handle.\r\n"
     "Failed with error code %d."},
    {164,
     "Unable to close a file handle.\r\n"
     "Failed with error code %d."},
    {165,
     "Unable to open a file handle to the Registry Update Utility Kernel "
     "Service.\r\n"
     "Failed with error code %d."},
    {166,
     "Unable to open a service handle to the Registry Update Utility Kernel "
     "Service.\r\n"
     "Failed with error code %d."},
    {167,
     "No errors were found in the Group Order List.\r\n"
     "No corrections or changes have been made."},
    {168, "The Group Order List has been successfully repaired."},
};
}  // namespace

const CStringTableSection g_repairStrings = {
    kStrings, sizeof(kStrings) / sizeof(kStrings[0])};
