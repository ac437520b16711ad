#include "TuiClearSteps.h"

#include <gtest/gtest.h>

void ClearToFolderBrowser(CTmuxSession& tmux, std::string* pstrScreen) {
  tmux.SendKeys("Tab Tab Enter");
  ASSERT_TRUE(tmux.WaitFor("Do you wish to continue?", 5000, pstrScreen))
      << *pstrScreen;
  tmux.SendKeys("y");
  ASSERT_TRUE(tmux.WaitFor("restart your computer now?", 5000, pstrScreen))
      << *pstrScreen;
  tmux.SendKeys("n");
  ASSERT_TRUE(tmux.WaitFor("applications are closed", 5000, pstrScreen))
      << *pstrScreen;
  tmux.SendKeys("Enter");
  ASSERT_TRUE(tmux.WaitFor("Browse for Folder", 20000, pstrScreen))
      << *pstrScreen;
}
