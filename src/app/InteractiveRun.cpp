// Placeholder until the interactive main window (document template, frame,
// form view, message loop) lands; that work replaces this file.
#include "quorrelApp.h"

BOOL CquorrelApp::RunInteractive() { return FALSE; }
