// Strings of the Clear Registry && Delete Files operation.
#include "ClearStringIds.h"
#include "ResourceData.h"
#include "fw/StringTable.h"

namespace {
// Entries in ascending order of id.
const CStringResource kStrings[] = {
    {IDS_NO_PROGRAM_FOLDER,
     "A Tessarine Program Files directory pathname has not been "
     "provided.\nThe Tessarine Program Files directory has not been "
     "deleted.  "},
    {IDS_CLEAR_COMPLETED,
     "Registry Clear and File Deletion Completed Successfully"},
    {IDS_CLEAR_WARNING,
     "!!!!   WARNING   !!!!   CONTINUE AT YOUR OWN RISK   !!!!\n\nThis "
     "operation will remove Tessarine from your system!\nThis operation "
     "should only be performed in the event the\nTessarine for Windows NT "
     "Installation or Uninstallation has failed.\n\nCorvane will NOT assume "
     "responsibility for any system corruption\nor side effects which may "
     "occur as a result of this operation.\n\nDo you wish to continue?"},
    {IDS_FILES_NOT_DELETED,
     "One or more files could not be deleted.  These files may still be in "
     "active use.\nYou should restart your computer and retry this "
     "operation.\nWould you like to restart it now?"},
    {IDS_BROWSE_PROGRAM_FOLDER,
     "Specify the Tessarine folder.  It is typically\n\"C:\\Program "
     "Files\\Corvane\\Tessarine\"."},
    {IDS_CONFIRM_PROGRAM_FOLDER,
     "You have selected \"%s\" as the Tessarine program folder.\n\n!!! THE "
     "ENTIRE CONTENTS OF THIS FOLDER WILL BE DELETED !!!\n\nDo you wish to "
     "continue?"},
    {IDS_GET_SYSTEM_DIRECTORY_FAILED,
     "The GetSystemDirectory system call  failed with error %d."},
    {IDS_GET_WINDOWS_DIRECTORY_FAILED,
     "The GetWindowsDirectory system call failed with error %d."},
    {IDS_GET_TEMP_PATH_FAILED,
     "The GetTempPath system call failed with error %d."},
    {IDS_SH_GET_MALLOC_FAILED, "The SHGetMalloc system call failed."},
    {IDS_SH_GET_PATH_FAILED, "The SHGetPathFromIDList system call failed."},
    {IDS_COPY_PCMCIA_FAILED,
     "A CopyFile system call for PCMCIA.SYS failed with error %d."},
    {IDS_SH_GET_SPECIAL_FOLDER_FAILED,
     "The SHGetSpecialFolderLocation call failed."},
    {IDS_DELETE_FILE_FAILED, "Failed to delete file %s with error %d."},
    {IDS_REMOVE_DIRECTORY_FAILED,
     "Failed to remove directory %s with error %d."},
    {IDS_RESTART_BEFORE_CLEAR,
     "If you have not restarted your computer since the failed install or "
     "uninstall,\nyou should do so now BEFORE performing this "
     "operation.\n\nWould you like to restart your computer now?"},
    {IDS_CLOSE_APPLICATIONS,
     "Make certain all other applications are closed before continuing."},
    {IDS_MANUAL_REMOVAL,
     "For information on how to remove Tessarine from your computer "
     "manually, visit http://www.tessarine.example/support/removal.html."},
    {IDS_NOT_A_PROGRAM_FOLDER,
     "\"%s\" cannot be the Tessarine program folder: it is a drive, holds "
     "Windows, other programs or users' profiles, or is not one full folder "
     "path.\nNothing in it has been deleted."},
    {IDS_REGISTRY_NOT_USABLE,
     "The registry could not be changed (error %d).\nNo files have been "
     "deleted: the drivers stay where the registry still names them."},
};
}  // namespace

const CStringTableSection g_clearStrings = {
    kStrings, sizeof(kStrings) / sizeof(kStrings[0])};
