#include "quorrelApp.h"

// Start-up sequence: being written on the core branch.
BOOL CquorrelApp::InitInstance() { return FALSE; }

CquorrelApp& QuorrelApp() {
  static CquorrelApp app;
  return app;
}
