// The interactive Clear driven in the terminal UI as far as its folder
// browser: confirmed, no restart before it, the applications closed.
#pragma once

#include <string>

#include "TmuxSession.h"

// From the main window with the focus on Update Registry; fails the test
// (ASSERT) when a screen does not come. The last screen goes to *pstrScreen.
void ClearToFolderBrowser(CTmuxSession& tmux, std::string* pstrScreen);
