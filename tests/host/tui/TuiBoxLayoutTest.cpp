// The terminal UI's own boxes: every text of the program as a message box
// and every menu, whole on an 80 x 24 and a 132 x 43 terminal, refused
// with the size needed below that; drop-down lists beside their field.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fw/MenuTemplate.h"
#include "fw/StringTable.h"
#include "platform/host/tui/TuiBoxLayout.h"
#include "platform/host/tui/TuiDraw.h"
#include "res/Resource.h"

namespace {

// Every string as the program shows it in a box, placeholders filled in.
std::vector<std::string> AllBoxTexts() {
  std::vector<std::string> texts;
  ForEachResString(
      [](UINT, const char* pszText, void* pv) {
        std::string strText = pszText;
        for (size_t at; (at = strText.find("%s")) != std::string::npos;)
          strText.replace(at, 2, "C:\\Program Files\\Corvane\\Tessarine");
        for (size_t at; (at = strText.find("%d")) != std::string::npos;)
          strText.replace(at, 2, "1234");
        static_cast<std::vector<std::string>*>(pv)->push_back(
            TuiFromCodePage(strText));
      },
      &texts);
  return texts;
}

const char kCaption[] =
    "Corvane Tessarine Registry Update Utility for Windows NT";
const std::vector<std::string> kButtons = {"Yes", "No", "Cancel"};

BOOL Within(const CCellRect& inner, const CCellRect& outer) {
  return inner.col >= outer.col && inner.row >= outer.row &&
         inner.col + inner.cols <= outer.col + outer.cols &&
         inner.row + inner.rows <= outer.row + outer.rows;
}

// The text with tabs as blanks to the next stop of eight, without
// carriage returns.
std::string Expanded(const std::string& strText) {
  std::string strOut;
  size_t nColumn = 0;
  for (char c : strText) {
    if (c == '\r') continue;
    if (c == '\t') {
      do {
        strOut += ' ';
      } while (++nColumn % 8 != 0);
      continue;
    }
    strOut += c;
    nColumn = c == '\n' ? 0 : nColumn + 1;
  }
  return strOut;
}

// The lines read one after another give the text: each line stands in the
// text as it is, blanks and all, and only blanks lie between two lines.
void ExpectSameText(const std::string& strGiven,
                    const std::vector<std::string>& lines) {
  const std::string strText = Expanded(strGiven);
  size_t at = 0;
  for (const std::string& strLine : lines) {
    const size_t found = strText.find(strLine, at);
    ASSERT_NE(std::string::npos, found) << strLine;
    for (size_t i = at; i < found; ++i)
      EXPECT_TRUE(strText[i] == ' ' || strText[i] == '\n')
          << "skipped: " << strText.substr(at, found - at);
    at = found + strLine.size();
  }
  EXPECT_EQ(std::string::npos, strText.find_first_not_of(" \n", at));
}

class TuiBoxLayoutTest : public ::testing::TestWithParam<std::pair<int, int>> {
};

TEST_P(TuiBoxLayoutTest, EveryTextShowsWholeInAReadableBox) {
  const int nCols = GetParam().first, nRows = GetParam().second;
  for (const std::string& strText : AllBoxTexts()) {
    SCOPED_TRACE(strText);
    const CTuiMessageBoxLayout box =
        TuiLayOutMessageBox(strText, kCaption, "(!)", kButtons, nCols, nRows);
    ASSERT_TRUE(box.bFits);
    EXPECT_TRUE(Within(box.box, CCellRect{0, 0, nCols, nRows}));
    const CCellRect text{box.nTextCol, box.nTextRow,
                         box.box.col + box.box.cols - 2 - box.nTextCol,
                         static_cast<int>(box.lines.size())};
    EXPECT_TRUE(Within(text, box.box));
    EXPECT_LT(text.row + text.rows, box.nButtonRow);
    for (const std::string& strLine : box.lines) {
      EXPECT_LE(TuiTextWidth(strLine), text.cols) << strLine;
      EXPECT_LE(TuiTextWidth(strLine), kTuiReadableCols) << strLine;
    }
    ExpectSameText(strText, box.lines);
    ASSERT_EQ(kButtons.size(), box.buttons.size());
    for (size_t i = 0; i < box.buttons.size(); ++i) {
      EXPECT_TRUE(Within(box.buttons[i], box.box));
      if (i > 0) {
        EXPECT_LT(box.buttons[i - 1].col + box.buttons[i - 1].cols,
                  box.buttons[i].col);
      }
    }
    // Below the size it fits, it is refused with the size it needs.
    const CTuiMessageBoxLayout low = TuiLayOutMessageBox(
        strText, kCaption, "(!)", kButtons, nCols, box.box.rows - 1);
    EXPECT_FALSE(low.bFits);
    EXPECT_EQ(box.box.rows, low.nMinRows);
  }
}

TEST_P(TuiBoxLayoutTest, EveryMenuOpensWholeBelowItsTitle) {
  const int nCols = GetParam().first, nRows = GetParam().second;
  const CMenuTemplate* pMenu = FindMenuTemplate(IDR_MAINFRAME);
  ASSERT_NE(nullptr, pMenu);
  std::vector<std::string> titles;
  for (size_t i = 0; i < pMenu->nPopups; ++i)
    titles.push_back(TuiLabel(pMenu->pPopups[i].pszText));
  // The bar of a main window in the screen's middle, and at its right edge.
  for (const CCellRect& bar : {CCellRect{(nCols - 80) / 2 + 1, 1, 78, 1},
                               CCellRect{nCols - 12, 1, 12, 1}}) {
    for (size_t p = 0; p < pMenu->nPopups; ++p) {
      std::vector<std::string> items;
      for (size_t i = 0; i < pMenu->pPopups[p].nItems; ++i)
        items.push_back(TuiLabel(pMenu->pPopups[p].pItems[i].pszText));
      const CTuiMenuLayout menu =
          TuiLayOutMenu(bar, titles, items, static_cast<int>(p), nCols, nRows);
      ASSERT_TRUE(menu.bFits) << p;
      EXPECT_TRUE(Within(menu.popup, CCellRect{0, 0, nCols, nRows}));
      EXPECT_EQ(bar.row + 1, menu.popup.row);
      EXPECT_EQ(static_cast<int>(items.size()) + 2, menu.popup.rows);
      for (const std::string& strItem : items)
        EXPECT_LE(TuiTextWidth(strItem) + 2, menu.popup.cols) << strItem;
      // Too low a screen for the popup refuses it.
      const CTuiMenuLayout low =
          TuiLayOutMenu(bar, titles, items, static_cast<int>(p), nCols,
                        menu.popup.row + menu.popup.rows - 1);
      EXPECT_FALSE(low.bFits);
      EXPECT_EQ(menu.popup.row + menu.popup.rows, low.nMinRows);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, TuiBoxLayoutTest,
                         ::testing::Values(std::make_pair(80, 23),
                                           std::make_pair(132, 42)));

TEST(TuiBoxLayoutNarrowTest, TooNarrowAScreenIsRefusedWithTheColumnsNeeded) {
  const std::string strText = "Registry Update Completed Successfully";
  const CTuiMessageBoxLayout box =
      TuiLayOutMessageBox(strText, kCaption, "(i)", {"OK"}, 40, 23);
  EXPECT_FALSE(box.bFits);
  EXPECT_EQ(TuiTextWidth(kCaption) + 8, box.nMinCols);
  EXPECT_TRUE(
      TuiLayOutMessageBox(strText, kCaption, "(i)", {"OK"}, box.nMinCols, 23)
          .bFits);
}

TEST(TuiBoxLayoutNarrowTest, DropDownListsOpenBesideTheirField) {
  const CCellRect high{10, 4, 20, 1}, low{10, 20, 20, 1};
  for (const CCellRect& field : {high, low}) {
    const CCellRect list = TuiLayOutList(field, 6, 80, 23);
    EXPECT_EQ(8, list.rows);
    EXPECT_TRUE(list.row + list.rows <= field.row || list.row > field.row);
    EXPECT_TRUE(Within(list, CCellRect{0, 0, 80, 23}));
  }
  EXPECT_GT(TuiLayOutList(high, 6, 80, 23).row, high.row);
  EXPECT_LT(TuiLayOutList(low, 6, 80, 23).row, low.row);
}

}  // namespace
