#include "CommandLine.h"
#include "RunMode.h"
#include "fw/MessageBox.h"
#include "quorrelApp.h"
#include "res/AppStringIds.h"

BOOL CquorrelApp::InitInstance() {
  CquorrelCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo, m_args);

  // A silent run skips the check and runs beside an open main window.
  if (!g_bSilentUpdate && !g_bSilentDelete && !IsFirstInstance()) return FALSE;

  // The framework's 3-D controls and profile settings have nothing to do
  // here: no recent-file list is ever shown, so none is stored.
  if (g_bCommandLineError) {
    AfxMessageBox(IDS_USAGE, MB_OK | MB_ICONSTOP);
    return FALSE;
  }
  if (g_bShowUsage) {
    AfxMessageBox(IDS_USAGE, MB_OK | MB_ICONINFORMATION);
    return FALSE;
  }
  if (!g_bSilentUpdate && !g_bSilentDelete) return RunInteractive();
  WriteSilentResult();
  return FALSE;
}

CquorrelApp& QuorrelApp() {
  static CquorrelApp app;
  return app;
}
