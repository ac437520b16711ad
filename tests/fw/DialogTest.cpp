// The modal dialog framework on the scripted UI: message maps, data
// exchange, automatic check boxes and radio groups, combo boxes, greyed
// controls, keyboard navigation, nesting and timers.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "fw/Button.h"
#include "fw/ComboBox.h"
#include "fw/DataExchange.h"
#include "fw/Dialog.h"
#include "fw/MessageBox.h"
#include "res/CustomStringIds.h"
#include "res/Resource.h"
#include "support/ScriptedUi.h"
#include "support/TestPlatform.h"

namespace {

// A dialog on template 213 with handlers and exchange of its own, standing
// in for any settings dialog.
class CProbeDlg : public CDialog {
 public:
  CProbeDlg() : CDialog(IDD_INTERRUPTS) {}
  int m_bAllCards = FALSE;
  int m_bExclude = TRUE;
  int m_nClicks = 0;
  int m_nInfo = 0;
  int m_nTimers = 0;
  BOOL m_bInitialized = FALSE;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    CheckRadioButton(IDC_SHARE_SINGLE_ISA, IDC_DIFFERENT_ISA, IDC_SHARE_PCI);
    m_bInitialized = TRUE;
    return TRUE;
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Check(pDX, IDC_ALL_CARDS_SHARE_PCI, m_bAllCards);
    DDX_Check(pDX, IDC_EXCLUDE_IRQ12_TO_15, m_bExclude);
  }
  void OnAllCards() { ++m_nClicks; }
  void OnInfo() {
    ++m_nInfo;
    AfxMessageBox(IDS_MORE_ALL_CARDS_SHARE_PCI, MB_OK | MB_ICONINFORMATION);
  }
  void OnTimer(UINT_PTR) { ++m_nTimers; }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
ON_BN_CLICKED(IDC_ALL_CARDS_SHARE_PCI, &CProbeDlg::OnAllCards)
ON_BN_CLICKED(IDC_MORE_ALL_CARDS_SHARE_PCI, &CProbeDlg::OnInfo)
ON_WM_TIMER(&CProbeDlg::OnTimer)
END_MESSAGE_MAP()

class CComboProbeDlg : public CDialog {
 public:
  CComboProbeDlg() : CDialog(IDD_CARD_CONFIG) {}
  int m_nWindows = 4;
  int m_nStart = 24;
  std::vector<std::string> m_changes;
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_CBIndex(pDX, IDC_RESERVED_WINDOWS, m_nWindows);
    DDX_CBIndex(pDX, IDC_ALLOCATION_START, m_nStart);
  }
  void OnWindowsChanged() {
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_RESERVED_WINDOWS));
    m_changes.push_back(pCombo->GetLBText(pCombo->GetCurSel()));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CComboProbeDlg, CDialog)
ON_CBN_SELCHANGE(IDC_RESERVED_WINDOWS, &CComboProbeDlg::OnWindowsChanged)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
  CScriptedUi m_ui{m_platform};
};

TEST_F(DialogTest, ClickTogglesCheckBoxNotifiesAndOkSavesMembers) {
  CProbeDlg dlg;
  m_ui.ExpectDialog(IDD_INTERRUPTS)
      .Do([&] {
        EXPECT_TRUE(dlg.m_bInitialized);
        EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(IDC_EXCLUDE_IRQ12_TO_15));
        EXPECT_EQ(BST_UNCHECKED,
                  dlg.IsDlgButtonChecked(IDC_ALL_CARDS_SHARE_PCI));
      })
      .Click(IDC_ALL_CARDS_SHARE_PCI)
      .Click(IDC_EXCLUDE_IRQ12_TO_15)
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(1, dlg.m_nClicks);
  EXPECT_EQ(TRUE, dlg.m_bAllCards);
  EXPECT_EQ(FALSE, dlg.m_bExclude);
  EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST_F(DialogTest, CancelKeepsMembersWhateverWasClicked) {
  struct {
    const char* pszHow;
    std::function<void(CScriptedUi&)> fnEnd;
  } const cases[] = {
      {"Cancel button", [](CScriptedUi& ui) { ui.Click(IDCANCEL); }},
      {"Escape", [](CScriptedUi& ui) { ui.Key(VK_ESCAPE); }},
      {"close box", [](CScriptedUi& ui) { ui.Close(); }},
      {"script used up", [](CScriptedUi&) {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszHow);
    CProbeDlg dlg;
    m_ui.Click(IDC_ALL_CARDS_SHARE_PCI);
    c.fnEnd(m_ui);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(FALSE, dlg.m_bAllCards);
    EXPECT_EQ(1, dlg.m_nClicks);
  }
}

TEST_F(DialogTest, GreyedControlTakesNoClickAndStaysVisible) {
  CProbeDlg dlg;
  m_ui.Do([&] { dlg.GetDlgItem(IDC_ALL_CARDS_SHARE_PCI)->EnableWindow(FALSE); })
      .Click(IDC_ALL_CARDS_SHARE_PCI)
      .Do([&] {
        CWnd* pCtl = dlg.GetDlgItem(IDC_ALL_CARDS_SHARE_PCI);
        EXPECT_TRUE(pCtl->IsWindowVisible());
        EXPECT_FALSE(pCtl->IsWindowEnabled());
        pCtl->EnableWindow(TRUE);
      })
      .Click(IDC_ALL_CARDS_SHARE_PCI)
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(1, dlg.m_nClicks);
  EXPECT_EQ(TRUE, dlg.m_bAllCards);
}

TEST_F(DialogTest, RadioGroupChecksOneAndCheckRadioButtonUsesIdRange) {
  CProbeDlg dlg;
  std::vector<int> checked;
  auto record = [&] {
    checked.push_back(
        dlg.GetCheckedRadioButton(IDC_SHARE_SINGLE_ISA, IDC_DIFFERENT_ISA));
  };
  m_ui.Do(record)
      .Click(IDC_DIFFERENT_ISA)
      .Do(record)
      .Click(IDC_SHARE_SINGLE_ISA)
      .Do(record)
      .Do([&] {
        EXPECT_EQ(BST_UNCHECKED, dlg.IsDlgButtonChecked(IDC_SHARE_PCI));
        EXPECT_EQ(BST_UNCHECKED, dlg.IsDlgButtonChecked(IDC_DIFFERENT_ISA));
        dlg.CheckRadioButton(IDC_SHARE_SINGLE_ISA, IDC_DIFFERENT_ISA, 0);
      })
      .Do(record)
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<int>{IDC_SHARE_PCI, IDC_DIFFERENT_ISA,
                              IDC_SHARE_SINGLE_ISA, 0}),
            checked);
}

TEST_F(DialogTest, TabVisitsTabStopsInTemplateOrderSkippingGreyedOnes) {
  CProbeDlg dlg;
  std::vector<UINT> focus;
  auto record = [&] { focus.push_back(CWnd::GetFocus()->GetDlgCtrlID()); };
  m_ui.Do(record);
  for (int i = 0; i < 3; ++i) m_ui.Key(VK_TAB).Do(record);
  m_ui.Do([&] { dlg.GetDlgItem(IDC_ALL_CARDS_SHARE_PCI)->EnableWindow(FALSE); })
      .Key(VK_TAB, kKeyShiftDown)
      .Do(record)
      .Key(VK_TAB)
      .Do(record);
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  // The focus starts on the checked radio button, the group's tab stop.
  EXPECT_EQ(
      (std::vector<UINT>{IDC_SHARE_PCI, IDC_MORE_SHARE_PCI,
                         IDC_MORE_SHARE_SINGLE_ISA, IDC_MORE_DIFFERENT_ISA,
                         IDC_MORE_SHARE_SINGLE_ISA, IDC_MORE_DIFFERENT_ISA}),
      focus);
}

TEST_F(DialogTest, ArrowKeysMoveAndCheckWithinTheRadioGroup) {
  CProbeDlg dlg;
  m_ui.Key(VK_DOWN).Do([&] {
    EXPECT_EQ(IDC_SHARE_SINGLE_ISA, CWnd::GetFocus()->GetDlgCtrlID());
    EXPECT_EQ(
        IDC_SHARE_SINGLE_ISA,
        dlg.GetCheckedRadioButton(IDC_SHARE_SINGLE_ISA, IDC_DIFFERENT_ISA));
  });
  m_ui.Key(VK_DOWN).Key(VK_DOWN).Do([&] {
    // Wraps within the group: 1139, 1138, 1140, 1139.
    EXPECT_EQ(IDC_SHARE_PCI, CWnd::GetFocus()->GetDlgCtrlID());
  });
  m_ui.Key(VK_RETURN);
  EXPECT_EQ(IDOK, dlg.DoModal());
}

TEST_F(DialogTest, ComboBoxesComeFilledFromTheTemplateAndNotify) {
  CComboProbeDlg dlg;
  m_ui.Do([&] {
        auto* pWindows =
            static_cast<CComboBox*>(dlg.GetDlgItem(IDC_RESERVED_WINDOWS));
        auto* pStart =
            static_cast<CComboBox*>(dlg.GetDlgItem(IDC_ALLOCATION_START));
        ASSERT_EQ(10, pWindows->GetCount());
        ASSERT_EQ(32, pStart->GetCount());
        EXPECT_EQ("4", pWindows->GetLBText(pWindows->GetCurSel()));
        EXPECT_EQ("D8000", pStart->GetLBText(pStart->GetCurSel()));
        EXPECT_EQ("C0000", pStart->GetLBText(0));
        EXPECT_EQ("CA000", pStart->GetLBText(10));
        EXPECT_EQ("DF000", pStart->GetLBText(31));
      })
      .Select(IDC_RESERVED_WINDOWS, 0)
      .Select(IDC_RESERVED_WINDOWS, 0)
      .Select(IDC_ALLOCATION_START, 3)
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  // Choosing the entry already selected is no change.
  EXPECT_EQ(std::vector<std::string>{"0"}, dlg.m_changes);
  EXPECT_EQ(0, dlg.m_nWindows);
  EXPECT_EQ(3, dlg.m_nStart);
}

TEST_F(DialogTest, ComboIndexOutsideTheListSelectsNothing) {
  CComboProbeDlg dlg;
  dlg.m_nWindows = 12;
  dlg.m_nStart = -5;
  m_ui.Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(CB_ERR, dlg.m_nWindows);
  EXPECT_EQ(CB_ERR, dlg.m_nStart);
}

TEST_F(DialogTest, NestedDialogDisablesItsOwnerAndMessageBoxesWork) {
  CProbeDlg outer;
  CComboProbeDlg inner;
  BOOL bOuterEnabledInside = TRUE;
  // Steps run in order across the nesting: the inner dialog takes the
  // three after the one that opens it.
  m_ui.Do([&] {
        EXPECT_EQ(IDOK, inner.DoModal());
        EXPECT_TRUE(outer.IsWindowEnabled());
      })
      .ExpectDialog(IDD_CARD_CONFIG)
      .Do([&] { bOuterEnabledInside = outer.IsWindowEnabled(); })
      .Click(IDOK)
      .Click(IDC_MORE_ALL_CARDS_SHARE_PCI)
      .Click(IDOK);
  EXPECT_EQ(IDOK, outer.DoModal());
  EXPECT_FALSE(bOuterEnabledInside);
  EXPECT_EQ(1, outer.m_nInfo);
  EXPECT_EQ(std::vector<UINT>{IDS_MORE_ALL_CARDS_SHARE_PCI},
            m_platform.m_user.BoxIds());
}

TEST_F(DialogTest, TimerFiresWhenItsTimeHasCome) {
  CProbeDlg dlg;
  m_ui.Do([&] { dlg.SetTimer(7, 3000); })
      .Wait(2999)
      .Do([&] { EXPECT_EQ(0, dlg.m_nTimers); })
      .Wait(1)
      .Do([&] {
        EXPECT_EQ(1, dlg.m_nTimers);
        dlg.KillTimer(7);
      })
      .Wait(6000)
      .Do([&] { EXPECT_EQ(1, dlg.m_nTimers); })
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
}

// The script's second click would come after Cancel closed the dialog.
void ScriptLongerThanTheDialog() {
  CTestPlatform platform;
  CScriptedUi ui(platform);
  ui.Click(IDCANCEL).Click(IDC_ALL_CARDS_SHARE_PCI);
  CProbeDlg dlg;
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST(ScriptedUiTest, StepLeftOverFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(ScriptLongerThanTheDialog(),
                          "never ran:\n  Click " +
                              std::to_string(IDC_ALL_CARDS_SHARE_PCI) +
                              " (press)");
}

TEST_F(DialogTest, MissingTemplateGivesMinusOne) {
  m_ui.ExpectNoWindow();
  CDialog dlg(4242);
  EXPECT_EQ(-1, dlg.DoModal());
}

}  // namespace
