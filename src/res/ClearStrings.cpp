// Strings of the Clear Registry && Delete Files operation.
#include "ResourceData.h"
#include "fw/StringTable.h"

namespace {
// Entries in ascending order of id.
const CStringResource kStrings[] = {
    {104,
     "A Tessarine Program Files directory pathname has not been "
     "provided.\nThe Tessarine Program Files directory has not been "
     "deleted.  "},
    {107, "Registry Clear and File Deletion Completed Successfully"},
    {109,
     "!!!!   WARNING   !!!!   CONTINUE AT YOUR OWN RISK   !!!!\n\nThis "
     "operation will remove Tessarine from your system!\nThis operation "
     "should only be performed in the event the\nTessarine for Windows NT "
     "Installation or Uninstallation has failed.\n\nCorvane will NOT assume "
     "responsibility for any system corruption\nor side effects which may "
     "occur as a result of this operation.\n\nDo you wish to continue?"},
    {118,
     "One or more files could not be deleted.  These files may still be in "
     "active use.\nYou should restart your computer and retry this "
     "operation.\nWould you like to restart it now?"},
    {119,
     "Specify the Tessarine folder.  It is typically\n\"C:\\Program "
     "Files\\Corvane\\Tessarine\"."},
    {120,
     "You have selected \"%s\" as the Tessarine program folder.\n\n!!! THE "
     "ENTIRE CONTENTS OF THIS FOLDER WILL BE DELETED !!!\n\nDo you wish to "
     "continue?"},
    {121, "The GetSystemDirectory system call  failed with error %d."},
    {122, "The GetWindowsDirectory system call failed with error %d."},
    {123, "The GetTempPath system call failed with error %d."},
    {124, "The SHGetMalloc system call failed."},
    {125, "The SHGetPathFromIDList system call failed."},
    {126, "A CopyFile system call for PCMCIA.SYS failed with error %d."},
    {128, "The SHGetSpecialFolderLocation call failed."},
    {136, "Failed to delete file %s with error %d."},
    {137, "Failed to remove directory %s with error %d."},
    {144,
     "If you have not restarted your computer since the failed install or "
     "uninstall,\nyou should do so now BEFORE performing this "
     "operation.\n\nWould you like to restart your computer now?"},
    {145, "Make certain all other applications are closed before continuing."},
    {153,
     "For information on how to remove Tessarine from your computer "
     "manually, visit http://www.tessarine.example/support/removal.html."},
    {170,
     "\"%s\" cannot be the Tessarine program folder: it is a drive, holds "
     "Windows, other programs or users' profiles, or is not one full folder "
     "path.\nNothing in it has been deleted."},
};
}  // namespace

const CStringTableSection g_clearStrings = {
    kStrings, sizeof(kStrings) / sizeof(kStrings[0])};
