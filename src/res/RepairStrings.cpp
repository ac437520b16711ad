// Strings of the Repairs subsystem: the MAC database repair and the group
// order list repair.
#include "RepairStringIds.h"
#include "ResourceData.h"
#include "fw/StringTable.h"

namespace {
// Entries in ascending order of id.
const CStringResource kStrings[] = {
    {IDS_SCM_OPEN_FAILED,
     "Unable to open communication with the Service Control Manager.\r\n"
     "Failed with error code %d."},
    {IDS_SERVICE_CREATE_FAILED,
     "Unable to create Registry Update Utility Kernel Service.\r\n"
     "Failed with error code %d."},
    {IDS_SERVICE_START_FAILED,
     "Unable to start Registry Update Utility Kernel Service.\r\n"
     "Failed with error code %d."},
    {IDS_SERVICE_STOP_FAILED,
     "Unable to stop Registry Update Utility Kernel Service.\r\n"
     "Failed with error code %d."},
    {IDS_SERVICE_DELETE_FAILED,
     "Unable to delete Registry Update Utility Kernel Service.\r\n"
     "Failed with error code %d."},
    {IDS_MAC_REPAIR_FAILED,
     "Unable to repair Registry MAC Database.\r\n"
     "Failed with error code %d."},
    {IDS_MAC_DATABASE_SOUND,
     "No errors were found in the MAC Database.\r\n"
     "No corrections or changes have been made."},
    {IDS_MAC_DATABASE_REPAIRED,
     "The MAC Database repair completed successfully.\r\n\r\n"
     "You must upgrade to version 5.00.14 or higher to avoid this problem in "
     "the future.\r\n"
     "If Tessarine is not currently installed, then find and delete the file "
     "DOVRELBK\r\n"
     "from the Tessarine program files directory.\r\n\r\n"
     "Your computer will now be restarted."},
    {IDS_MAC_REPAIR_CONFIRM,
     "After successful completion of the repair operation,\r\n"
     "this program will restart your computer.\r\n\r\n"
     "Do you wish to continue?"},
    {IDS_SERVICE_CLOSE_FAILED,
     "Unable to close a service handle.\r\n"
     "Failed with error code %d."},
    {IDS_FILE_CLOSE_FAILED,
     "Unable to close a file handle.\r\n"
     "Failed with error code %d."},
    {IDS_DEVICE_OPEN_FAILED,
     "Unable to open a file handle to the Registry Update Utility Kernel "
     "Service.\r\n"
     "Failed with error code %d."},
    {IDS_SERVICE_OPEN_FAILED,
     "Unable to open a service handle to the Registry Update Utility Kernel "
     "Service.\r\n"
     "Failed with error code %d."},
    {IDS_GROUP_ORDER_SOUND,
     "No errors were found in the Group Order List.\r\n"
     "No corrections or changes have been made."},
    {IDS_GROUP_ORDER_REPAIRED,
     "The Group Order List has been successfully repaired."},
};
}  // namespace

const CStringTableSection g_repairStrings = {
    kStrings, sizeof(kStrings) / sizeof(kStrings[0])};
