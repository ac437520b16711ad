#include <gtest/gtest.h>

#include "fw/WinApp.h"

namespace {
// Tests make application objects of their own beside the program's; the
// message loop and the main window lookups must find the program's again.
TEST(WinAppTest, AnApplicationMadeForAWhileGivesTheProgramsBack) {
  CWinApp* pProgram = AfxGetApp();
  ASSERT_NE(nullptr, pProgram);
  {
    CWinApp other;
    EXPECT_EQ(&other, AfxGetApp());
  }
  EXPECT_EQ(pProgram, AfxGetApp());
}
}  // namespace
