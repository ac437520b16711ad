// The terminal UI's layout of every dialog template: whole texts, controls
// of one template row on one terminal row, nothing over a border, and a
// clear refusal when the screen is too small.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fw/Button.h"
#include "fw/DialogControls.h"
#include "fw/DialogTemplate.h"
#include "fw/Static.h"
#include "fw/UiAdapter.h"
#include "platform/host/tui/TuiDraw.h"
#include "res/Resource.h"
#include "support/TestPlatform.h"

namespace {

// The terminal's metrics: cells of 5 x 13 pixels, a frame one cell wide.
class CCellMetricsUi : public IUiAdapter {
 public:
  void Render() override {}
  BOOL WaitInput(MSG*, DWORD) override { return FALSE; }
  UINT TrackMenu(CWnd&, int) override { return 0; }
  int GetSystemMetrics(int nIndex) override {
    switch (nIndex) {
      case SM_CXDLGFRAME:
        return 5;
      case SM_CYDLGFRAME:
      case SM_CYMENU:
        return 13;
      default:
        return 0;
    }
  }
};

// A template's window and controls, as the framework creates a dialog.
struct CShownTemplate {
  CWnd wnd;
  std::vector<std::unique_ptr<CWnd>> controls;
};

std::unique_ptr<CShownTemplate> Show(const CDialogTemplate& dlg) {
  auto pShown = std::make_unique<CShownTemplate>();
  const RECT client = AfxMapDialogRect(dlg, 0, 0, dlg.cx, dlg.cy);
  const DWORD dwStyle =
      (dlg.dwStyle & WS_CHILD) ? WS_CAPTION | WS_VISIBLE : dlg.dwStyle;
  pShown->wnd.CreateEx(dwStyle & ~static_cast<DWORD>(WS_CHILD),
                       dlg.pszCaption ? dlg.pszCaption : "", client, nullptr,
                       0);
  const RECT insets = pShown->wnd.NonClientInsets();
  pShown->wnd.MoveWindow(0, 0, client.right + insets.left + insets.right,
                         client.bottom + insets.top + insets.bottom);
  AfxCreateDialogControls(pShown->wnd, dlg, pShown->controls);
  return pShown;
}

std::vector<const CDialogTemplate*> AllTemplates() {
  std::vector<const CDialogTemplate*> templates;
  ForEachDialogTemplate(
      [](const CDialogTemplate& dlg, void* pv) {
        static_cast<std::vector<const CDialogTemplate*>*>(pv)->push_back(&dlg);
      },
      &templates);
  return templates;
}

BOOL IsGroupBox(CWnd* pWnd) {
  auto* pButton = dynamic_cast<CButton*>(pWnd);
  return pButton && pButton->IsGroupBox();
}

// A picture stands beside several rows of controls.
BOOL IsPicture(CWnd* pWnd) {
  auto* pStatic = dynamic_cast<CStatic*>(pWnd);
  return pStatic && pStatic->GetStaticStyle() == SS_BITMAP;
}

BOOL Within(const CCellRect& inner, const CCellRect& outer, int nBorder) {
  return inner.col >= outer.col + nBorder &&
         inner.col + inner.cols <= outer.col + outer.cols - nBorder &&
         inner.row >= outer.row + nBorder &&
         inner.row + inner.rows <= outer.row + outer.rows - nBorder;
}

// Overlapping, or side by side without a blank column between.
BOOL Touch(const CCellRect& a, const CCellRect& b) {
  return a.col <= b.col + b.cols && b.col <= a.col + a.cols &&
         a.row < b.row + b.rows && b.row < a.row + a.rows;
}

// The rows a control's text takes at the width it got.
int TextRows(CWnd& wnd, const CCellRect& cell) {
  auto* pButton = dynamic_cast<CButton*>(&wnd);
  const std::string strText = TuiFromCodePage(TuiLabel(wnd.GetWindowText()));
  if (pButton && pButton->IsCheckable())
    return static_cast<int>(TuiWrap(strText, cell.cols - 4).size());
  if (pButton && pButton->IsPushButton())
    return TuiTextWidth(strText) + 2 <= cell.cols ? 1 : 99;
  if (wnd.GetKind() == CWndKind::Window && !wnd.GetWindowText().empty())
    return static_cast<int>(TuiWrap(strText, cell.cols).size());
  return 1;
}

BOOL SameTemplateRow(const RECT& a, const RECT& b) {
  const LONG nCentreA = (a.top + a.bottom) / 2;
  const LONG nCentreB = (b.top + b.bottom) / 2;
  return a.top == b.top || (nCentreA >= b.top && nCentreA < b.bottom &&
                            nCentreB >= a.top && nCentreB < a.bottom);
}

class TuiLayoutTest : public ::testing::TestWithParam<std::pair<int, int>> {
 protected:
  void SetUp() override { m_pPrevious = SetUi(&m_metrics); }
  void TearDown() override { SetUi(m_pPrevious); }
  CTestPlatform m_platform;
  CCellMetricsUi m_metrics;
  IUiAdapter* m_pPrevious = nullptr;
};

TEST_P(TuiLayoutTest, EveryTemplateShowsWholeTextsInsideItsBorders) {
  const int nCols = GetParam().first, nRows = GetParam().second;
  for (const CDialogTemplate* pDlg : AllTemplates()) {
    SCOPED_TRACE(pDlg->nID);
    auto pShown = Show(*pDlg);
    const CTuiWindowLayout shown = TuiLayoutOf(pShown->wnd, nCols, nRows);
    const CTuiLayout& layout = shown.layout;
    ASSERT_TRUE(layout.bFits);
    EXPECT_TRUE(Within(layout.window, CCellRect{0, 0, nCols, nRows}, 0));
    EXPECT_TRUE(Within(layout.client, layout.window, 1));
    for (size_t i = 0; i < shown.wnds.size(); ++i) {
      CWnd& wnd = *shown.wnds[i];
      const CCellRect& cell = layout.cells[i];
      SCOPED_TRACE(wnd.GetWindowText());
      EXPECT_TRUE(Within(cell, layout.client, 0));
      EXPECT_LE(TextRows(wnd, cell), cell.rows);
      for (size_t j = 0; j < shown.wnds.size(); ++j) {
        if (i == j) continue;
        CWnd& other = *shown.wnds[j];
        RECT rc, rcOther;
        wnd.GetWindowRect(&rc);
        other.GetWindowRect(&rcOther);
        if (IsGroupBox(&other)) {
          const BOOL bInside =
              rc.left >= rcOther.left && rc.right <= rcOther.right &&
              rc.top >= rcOther.top && rc.bottom <= rcOther.bottom;
          if (bInside) {
            EXPECT_TRUE(Within(cell, layout.cells[j], 1));
          }
          continue;
        }
        if (IsGroupBox(&wnd)) continue;
        EXPECT_FALSE(Touch(cell, layout.cells[j]))
            << other.GetWindowText() << " at " << layout.cells[j].col << ","
            << layout.cells[j].row << " " << layout.cells[j].cols << "x"
            << layout.cells[j].rows << "; this at " << cell.col << ","
            << cell.row << " " << cell.cols << "x" << cell.rows;
        if (!IsPicture(&wnd) && !IsPicture(&other) &&
            SameTemplateRow(rc, rcOther)) {
          EXPECT_EQ(cell.row, layout.cells[j].row) << other.GetWindowText();
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, TuiLayoutTest,
                         ::testing::Values(std::make_pair(80, 23),
                                           std::make_pair(120, 39)));

TEST_F(TuiLayoutTest, TooSmallAScreenIsRefusedWithTheSizeNeeded) {
  const CDialogTemplate* pDlg = FindDialogTemplate(214);
  ASSERT_NE(nullptr, pDlg);
  auto pShown = Show(*pDlg);
  const CTuiLayout narrow = TuiLayoutOf(pShown->wnd, 50, 23).layout;
  EXPECT_FALSE(narrow.bFits);
  EXPECT_GT(narrow.nMinCols, 50);
  EXPECT_LE(narrow.nMinCols, 80);
  const CTuiLayout low = TuiLayoutOf(pShown->wnd, 80, 12).layout;
  EXPECT_FALSE(low.bFits);
  EXPECT_GT(low.nMinRows, 12);
  EXPECT_LE(low.nMinRows, 23);
  // At the size it asked for, it fits.
  EXPECT_TRUE(TuiLayoutOf(pShown->wnd, 80, low.nMinRows).layout.bFits);
}

// The cell rectangle of the control whose text is strText.
CCellRect CellOfText(const CTuiWindowLayout& shown,
                     const std::string& strText) {
  for (size_t i = 0; i < shown.wnds.size(); ++i)
    if (shown.wnds[i]->GetWindowText() == strText) return shown.layout.cells[i];
  ADD_FAILURE() << strText;
  return CCellRect{0, 0, 0, 0};
}

// Rows of labels one under the other follow without a blank row between.
TEST_F(TuiLayoutTest, StackedRowsFollowEachOther) {
  auto pShown = Show(*FindDialogTemplate(IDD_ABOUTBOX));
  const CTuiWindowLayout shown = TuiLayoutOf(pShown->wnd, 80, 23);
  int nRow = CellOfText(shown, "Physical Memory:").row;
  for (const char* pszLabel : {"Memory Used:", "Processor:", "Disk Space:"})
    EXPECT_EQ(++nRow, CellOfText(shown, pszLabel).row) << pszLabel;
}

// A button whose label needs more than its share of a narrow screen grows
// to both sides: the main form's buttons stay in the form's middle.
TEST_F(TuiLayoutTest, WidenedButtonsStayCentred) {
  auto pShown = Show(*FindDialogTemplate(IDD_FORM));
  for (int nCols : {64, 70, 80}) {
    const CTuiWindowLayout shown = TuiLayoutOf(pShown->wnd, nCols, 23);
    ASSERT_TRUE(shown.layout.bFits) << nCols;
    const int nMiddle = 2 * shown.layout.client.col + shown.layout.client.cols;
    for (size_t i = 0; i < shown.wnds.size(); ++i) {
      const CCellRect& cell = shown.layout.cells[i];
      EXPECT_NEAR(nMiddle, 2 * cell.col + cell.cols, 2)
          << nCols << ": " << shown.wnds[i]->GetWindowText();
    }
  }
}

}  // namespace
