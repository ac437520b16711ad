#include "RunMode.h"

BOOL g_bSilentUpdate = FALSE;
BOOL g_bSilentDelete = FALSE;
BOOL g_bShowUsage = FALSE;
BOOL g_bCommandLineError = FALSE;
BOOL g_bVerbose = FALSE;
std::string g_strProgramFolder;

void ResetRunMode() {
  g_bSilentUpdate = FALSE;
  g_bSilentDelete = FALSE;
  g_bShowUsage = FALSE;
  g_bCommandLineError = FALSE;
  g_bVerbose = FALSE;
  g_strProgramFolder.clear();
}
