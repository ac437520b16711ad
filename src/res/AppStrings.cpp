// Strings of the application shell: start-up, main window, About box.
#include "AppStringIds.h"
#include "Resource.h"
#include "ResourceData.h"
#include "fw/StringTable.h"

namespace {
const CStringResource kStrings[] = {
    // The main frame's document string.
    {IDR_MAINFRAME,
     "NT\nCorvane Tessarine Registry Update Utility For Windows NT\nquorrel"
     "\n\n\nquorrel.Document\nquorrel Document"},
    {IDS_NUMBER_FORMAT, "%lu"},
    {IDS_KB, "(KB)"},
    {IDS_PROCESSOR_386, "386"},
    {IDS_PROCESSOR_486, "486"},
    {IDS_PROCESSOR_PENTIUM, "Pentium"},
    {IDS_PROCESSOR_OTHER, "OTHER"},
    {IDS_KB_FREE, "KB Free"},
    {IDS_UNAVAILABLE, "Unavailable"},
    {IDS_NOT_ADMINISTRATOR,
     "You must have Administrator priviledges in order to perform this "
     "operation."},
    {IDS_PERCENT_FORMAT, "%u%%"},
    {IDS_USAGE,
     "Usage:\nquorrel [-s (update,delete), -v] [-d "
     "<Tessarine_ProgramFiles_Dir_Pathname>]\n\ts - silient mode\n\tv - "
     "verbose error mode"},
    {IDS_CREATE_FILE_FAILED, "Create file failed with error %d."},
    {IDS_WRITE_FILE_FAILED, "Write file failed with error %d."},
    {IDS_RESTART_FAILED,
     "The computer could not be restarted (error %d). Restart it yourself "
     "for the changes to take effect."},
    {IDS_APP_TITLE, "Corvane Tessarine Registry Update Utility for Windows NT"},
};
}  // namespace

const CStringTableSection g_appStrings = {kStrings,
                                          sizeof(kStrings) / sizeof(kStrings[0])};
