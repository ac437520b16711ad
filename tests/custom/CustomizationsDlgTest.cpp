#include <gtest/gtest.h>

#include "custom/CustomizationsDlg.h"
#include "res/Resource.h"
#include "support/RegistryTestUtil.h"
#include "support/ScriptedUi.h"
#include "support/TestPlatform.h"

namespace {
class CustomizationsDlgTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
  CScriptedUi m_ui{m_platform};
};

TEST_F(CustomizationsDlgTest, EachButtonOpensItsSettingsDialog) {
  CCustomizationsDlg dlg;
  m_ui.Click(IDC_CARD_CONFIGURATION)
      .ExpectDialog(IDD_CARD_CONFIG)
      .Click(IDCANCEL)
      .Click(IDC_INTERRUPTS)
      .ExpectDialog(IDD_INTERRUPTS)
      .Click(IDCANCEL)
      .Click(IDC_MISCELLANEOUS)
      .ExpectDialog(IDD_MISC)
      .Click(IDCANCEL)
      .ExpectDialog(IDD_CUSTOMIZATIONS)
      .Click(IDOK);
  // Only viewed and cancelled: OK in the menu gives Cancel.
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_FALSE(dlg.m_bAccepted);
  EXPECT_EQ("", DumpRegistryTree(HKEY_LOCAL_MACHINE, "System"));
}

TEST_F(CustomizationsDlgTest, OneConfirmedSettingsDialogMakesTheMenuEndWithOk) {
  const UINT kButtons[] = {IDC_CARD_CONFIGURATION, IDC_INTERRUPTS,
                           IDC_MISCELLANEOUS};
  for (UINT nAccepted : kButtons) {
    SCOPED_TRACE(nAccepted);
    CCustomizationsDlg dlg;
    for (UINT nButton : kButtons)
      m_ui.Click(nButton).Click(nButton == nAccepted ? IDOK : IDCANCEL);
    m_ui.Click(IDOK);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.m_bAccepted);
  }
}

TEST_F(CustomizationsDlgTest, EscapeEndsWithCancelEvenAfterAConfirmation) {
  CCustomizationsDlg dlg;
  m_ui.Click(IDC_MISCELLANEOUS).Click(IDOK).Key(VK_ESCAPE);
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_TRUE(dlg.m_bAccepted);
}
}  // namespace
