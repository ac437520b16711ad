#include "TuiBoxLayout.h"

#include <algorithm>

namespace {
// A message box: border and blank on each side, the mark and two blanks
// before the text; above the text a blank row, below it a blank row and
// the buttons.
constexpr int kSideCols = 4;
constexpr int kMarkGap = 2;
constexpr int kChromeRows = 5;
constexpr int kButtonGap = 2;
// A title in a box's top edge keeps a corner, a blank and the close box
// clear on either side.
constexpr int kTitleChrome = 8;

std::string ButtonLabel(const std::string& strText) {
  return "[ " + strText + " ]";
}

int ButtonsWidth(const std::vector<std::string>& buttons) {
  int nWidth = 0;
  for (const std::string& strButton : buttons)
    nWidth += TuiTextWidth(ButtonLabel(strButton)) + kButtonGap;
  return std::max(0, nWidth - kButtonGap);
}

int Widest(const std::vector<std::string>& lines) {
  int nWidest = 0;
  for (const std::string& strLine : lines)
    nWidest = std::max(nWidest, TuiTextWidth(strLine));
  return nWidest;
}

void PlaceButtons(const std::vector<std::string>& buttons,
                  CTuiMessageBoxLayout* pBox) {
  const CCellRect& box = pBox->box;
  pBox->nButtonRow = box.row + box.rows - 2;
  int nCol = box.col + (box.cols - ButtonsWidth(buttons)) / 2;
  for (const std::string& strButton : buttons) {
    const int nWidth = TuiTextWidth(ButtonLabel(strButton));
    pBox->buttons.push_back(CCellRect{nCol, pBox->nButtonRow, nWidth, 1});
    nCol += nWidth + kButtonGap;
  }
}
}  // namespace

CTuiMessageBoxLayout TuiLayOutMessageBox(
    const std::string& strText, const std::string& strCaption,
    const std::string& strMark, const std::vector<std::string>& buttons,
    int nCols, int nRows) {
  CTuiMessageBoxLayout layout;
  const int nMarkCols = strMark.empty() ? 0 : TuiTextWidth(strMark) + kMarkGap;
  const int nTextChrome = kSideCols + nMarkCols;
  // Every word whole, the buttons and the caption: the narrowest box.
  const int nLeastText =
      std::min(std::max(1, TuiLongestWord(strText)), kTuiReadableCols);
  const int nLeastCols =
      std::max({nLeastText + nTextChrome, ButtonsWidth(buttons) + kSideCols,
                TuiTextWidth(strCaption) + kTitleChrome});
  if (nLeastCols > nCols) {
    layout.nMinCols = nLeastCols;
    return layout;
  }
  const int nTextCols =
      std::max(nLeastText, std::min(kTuiReadableCols, nCols - nTextChrome));
  layout.lines = TuiWrapEven(strText, nTextCols);
  const int nBoxRows = static_cast<int>(layout.lines.size()) + kChromeRows;
  if (nBoxRows > nRows) {
    layout.nMinRows = nBoxRows;
    return layout;
  }
  const int nBoxCols = std::max(nLeastCols, Widest(layout.lines) + nTextChrome);
  layout.bFits = TRUE;
  layout.box = CCellRect{(nCols - nBoxCols) / 2, (nRows - nBoxRows) / 2,
                         nBoxCols, nBoxRows};
  layout.nMarkCol = layout.box.col + kSideCols / 2;
  layout.nMarkRow = layout.box.row + 2;
  layout.nTextCol = layout.nMarkCol + nMarkCols;
  layout.nTextRow = layout.nMarkRow;
  PlaceButtons(buttons, &layout);
  return layout;
}

CTuiMenuLayout TuiLayOutMenu(const CCellRect& bar,
                             const std::vector<std::string>& titles,
                             const std::vector<std::string>& items, int nOpen,
                             int nCols, int nRows) {
  CTuiMenuLayout layout;
  int nCol = bar.col;
  for (const std::string& strTitle : titles) {
    const int nWidth = TuiTextWidth(strTitle) + 2;
    layout.titles.push_back(CCellRect{nCol, bar.row, nWidth, 1});
    nCol += nWidth;
  }
  layout.nMinCols = nCol;
  layout.nMinRows = bar.row + 1;
  if (nOpen >= 0 && static_cast<size_t>(nOpen) < titles.size()) {
    // Under its title, moved left as far as the screen's edge asks.
    const int nWidth = Widest(items) + 4;
    const int nHeight = static_cast<int>(items.size()) + 2;
    const CCellRect& title = layout.titles[static_cast<size_t>(nOpen)];
    layout.popup = CCellRect{std::max(0, std::min(title.col, nCols - nWidth)),
                             title.row + 1, nWidth, nHeight};
    layout.nMinCols = std::max(layout.nMinCols, nWidth);
    layout.nMinRows = layout.popup.row + nHeight;
  }
  layout.bFits = layout.nMinCols <= nCols && layout.nMinRows <= nRows;
  return layout;
}

CCellRect TuiLayOutList(const CCellRect& field, int nEntries, int nCols,
                        int nRows) {
  const int nBelow = nRows - (field.row + 1);
  const int nAbove = field.row;
  const int nWanted = nEntries + 2;
  const int nWidth = std::min(std::max(field.cols, 8), nCols);
  const int nCol = std::max(0, std::min(field.col, nCols - nWidth));
  if (nWanted <= nBelow || nBelow >= nAbove)
    return CCellRect{nCol, field.row + 1, nWidth, std::min(nWanted, nBelow)};
  const int nHeight = std::min(nWanted, nAbove);
  return CCellRect{nCol, field.row - nHeight, nWidth, nHeight};
}

std::string TuiTooSmallNotice(const std::string& strTitle, int nMinCols,
                              int nMinRows, int nCols, int nRows) {
  const std::string strNeed =
      nMinCols > nCols
          ? std::to_string(nMinCols) + " columns"
          : std::to_string(std::max(nMinRows, nRows + 1)) + " rows";
  return "The terminal is too small for \"" + strTitle +
         "\": make it at least " + strNeed + ".";
}
