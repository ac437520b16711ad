// Strings of the application shell: start-up, main window, About box.
#include "ResourceData.h"
#include "fw/StringTable.h"

namespace {
const CStringResource kStrings[] = {
    // The main frame's document string.
    {101,
     "NT\nCorvane Tessarine Registry Update Utility For Windows NT\nquorrel"
     "\n\n\nquorrel.Document\nquorrel Document"},
    {105, "%lu"},
    {106, "(KB)"},
    {110, "386"},
    {111, "486"},
    {112, "Pentium"},
    {113, "OTHER"},
    {114, "KB Free"},
    {115, "Unavailable"},
    {116,
     "You must have Administrator priviledges in order to perform this "
     "operation."},
    {117, "%u%%"},
    {129,
     "Usage:\nquorrel [-s (update,delete), -v] [-d "
     "<Tessarine_ProgramFiles_Dir_Pathname>]\n\ts - silient mode\n\tv - "
     "verbose error mode"},
    {130, "Create file failed with error %d."},
    {131, "Write file failed with error %d."},
    {171,
     "The computer could not be restarted (error %d). Restart it yourself "
     "for the changes to take effect."},
    {57344, "Corvane Tessarine Registry Update Utility for Windows NT"},
};
}  // namespace

const CStringTableSection g_appStrings = {kStrings,
                                          sizeof(kStrings) / sizeof(kStrings[0])};
