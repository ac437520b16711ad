// Starts the interactive program on the scripted UI: the application
// object's start-up with no arguments (main window, splash screen), then
// its message loop, which runs the script and ends when the script closes
// the main window. A main window that never came up, or that is still
// there when the loop ends, fails the test.
#pragma once

#include "app/quorrelApp.h"
#include "app/quorrelView.h"

class CScriptedUi;

void RunMainWindow(CScriptedUi& ui);
// The form view of the running main window; null when there is none.
CquorrelView* MainView();
