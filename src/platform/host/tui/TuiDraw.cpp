#include "TuiDraw.h"

#include <curses.h>

#include <algorithm>
#include <cmath>

#include "fw/Button.h"
#include "fw/ComboBox.h"
#include "fw/FrameworkUser.h"
#include "fw/Static.h"
#include "fw/WinApp.h"
#include "fw/WindowMap.h"
#include "res/Bitmaps.h"
#include "res/Menu.h"

namespace {
constexpr int kCellWidth = 5;
constexpr int kCellHeight = 13;

void Put(int row, int col, const std::string& strUtf8, int nMaxCols) {
  if (row < 0 || row >= LINES || nMaxCols <= 0) return;
  // Cut at nMaxCols characters and at the right edge of the screen.
  std::string strOut;
  int nCols = 0;
  for (size_t i = 0; i < strUtf8.size();) {
    const unsigned char c = static_cast<unsigned char>(strUtf8[i]);
    const size_t nLen = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (nCols >= nMaxCols || col + nCols >= COLS) break;
    if (col + nCols >= 0) strOut += strUtf8.substr(i, nLen);
    ++nCols;
    i += nLen;
  }
  mvaddstr(row, std::max(col, 0), strOut.c_str());
}

void Fill(int row, int col, int rows, int cols) {
  const std::string strBlank(static_cast<size_t>(std::max(cols, 0)), ' ');
  for (int r = 0; r < rows; ++r) Put(row + r, col, strBlank, cols);
}

void DrawArt(UINT nBitmap, const CCellRect& cell, BOOL bBorder) {
  const CBitmapResource* pBitmap = FindBitmapResource(nBitmap);
  if (!pBitmap) return;
  int nArtCols = 0;
  for (size_t i = 0; i < pBitmap->nArtLines; ++i)
    nArtCols = std::max(
        nArtCols, static_cast<int>(std::string(pBitmap->ppszArt[i]).size()));
  const int nRows = static_cast<int>(pBitmap->nArtLines);
  const int nTop = cell.row + std::max(0, (cell.rows - nRows) / 2);
  const int nLeft = cell.col + std::max(0, (cell.cols - nArtCols) / 2);
  if (bBorder) TuiDrawBox(cell.row, cell.col, cell.rows, cell.cols, "", 0);
  for (int r = 0; r < nRows && r < cell.rows; ++r)
    Put(nTop + r, nLeft, pBitmap->ppszArt[r],
        std::min(nArtCols, cell.col + cell.cols - nLeft));
}

int Attr(CWnd& wnd) {
  int nAttr = 0;
  if (!wnd.IsInputEnabled()) nAttr |= A_DIM;
  if (CWnd::GetFocus() == &wnd) nAttr |= A_REVERSE;
  return nAttr;
}

void DrawButton(CButton& button, const CCellRect& cell) {
  const std::string strText = TuiFromCodePage(TuiLabel(button.GetWindowText()));
  const BOOL bEnabled = button.IsInputEnabled();
  if (button.IsGroupBox()) {
    attrset(bEnabled ? 0 : A_DIM);
    TuiDrawBox(cell.row, cell.col, std::max(cell.rows, 2), cell.cols, strText,
               bEnabled ? 0 : A_DIM);
    attrset(0);
    return;
  }
  if (button.IsCheckable()) {
    const BOOL bChecked = button.GetCheck() == BST_CHECKED;
    const std::string strMark = button.IsRadio() ? (bChecked ? "(*) " : "( ) ")
                                                 : (bChecked ? "[X] " : "[ ] ");
    std::vector<std::string> lines =
        TuiWrap(strText, std::max(1, cell.cols - 4));
    for (size_t i = 0;
         i < lines.size() && static_cast<int>(i) < std::max(cell.rows, 1);
         ++i) {
      attrset(bEnabled ? 0 : A_DIM);
      Put(cell.row + static_cast<int>(i), cell.col, i == 0 ? strMark : "    ",
          4);
      attrset(Attr(button));
      Put(cell.row + static_cast<int>(i), cell.col + 4, lines[i],
          cell.cols - 4);
    }
    attrset(0);
    return;
  }
  // A push button: its label in brackets on its middle row; a greyed one
  // shows without brackets, dimmed.
  std::string strShown =
      bEnabled ? "[ " + strText + " ]" : "  " + strText + "  ";
  if (button.IsDefault() && bEnabled) strShown = "< " + strText + " >";
  const int nWidth = TuiTextWidth(strShown);
  const int nRow = cell.row + std::max(cell.rows, 1) / 2;
  const int nCol = cell.col + std::max(0, (cell.cols - nWidth) / 2);
  attrset(Attr(button) | (button.IsDefault() ? A_BOLD : 0));
  Put(nRow, nCol, strShown, std::max(cell.cols, nWidth));
  attrset(0);
}

void DrawStatic(CStatic& ctl, const CCellRect& cell) {
  const UINT nStyle = ctl.GetStaticStyle();
  if (nStyle == SS_BITMAP) {
    DrawArt(ctl.GetImage(), cell, (ctl.GetStyle() & WS_BORDER) != 0);
    return;
  }
  if (nStyle == SS_BLACKRECT) {
    move(cell.row, cell.col);
    hline(ACS_HLINE, std::max(cell.cols, 1));
    return;
  }
  attrset(ctl.IsInputEnabled() ? 0 : A_DIM);
  const std::vector<std::string> lines = TuiWrap(
      TuiFromCodePage(TuiLabel(ctl.GetWindowText())), std::max(cell.cols, 1));
  for (size_t i = 0;
       i < lines.size() && static_cast<int>(i) < std::max(cell.rows, 1); ++i)
    Put(cell.row + static_cast<int>(i), cell.col, lines[i], cell.cols);
  attrset(0);
}

void DrawCombo(CComboBox& combo, const CCellRect& cell) {
  const int nWidth = std::max(cell.cols, 6);
  std::string strText = combo.GetLBText(combo.GetCurSel());
  strText.resize(static_cast<size_t>(nWidth - 4), ' ');
  attrset(Attr(combo));
  Put(cell.row, cell.col, "[" + strText + "|v]", nWidth);
  attrset(0);
}

void DrawChildren(CWnd& parent, const CCellMapping& map) {
  for (CWnd* pChild : parent.GetChildren()) {
    if (!(pChild->GetStyle() & WS_VISIBLE)) continue;
    RECT rc;
    pChild->GetWindowRect(&rc);
    const CCellRect cell = map.Map(rc);
    if (auto* pButton = dynamic_cast<CButton*>(pChild))
      DrawButton(*pButton, cell);
    else if (auto* pStatic = dynamic_cast<CStatic*>(pChild))
      DrawStatic(*pStatic, cell);
    else if (auto* pCombo = dynamic_cast<CComboBox*>(pChild))
      DrawCombo(*pCombo, cell);
    DrawChildren(*pChild, map);
  }
}

void DrawMenuBar(CWnd& frame, const CCellMapping& map) {
  const CMenuTemplate* pMenu = frame.GetMenu();
  attrset(frame.IsInputEnabled() ? 0 : A_DIM);
  for (size_t i = 0; i < pMenu->nPopups; ++i) {
    const CCellRect title = TuiMenuTitleRect(frame, static_cast<int>(i));
    Put(title.row, title.col, " " + TuiLabel(pMenu->pPopups[i].pszText) + " ",
        title.cols);
  }
  (void)map;
  attrset(0);
}

void DrawTopLevel(CWnd& top) {
  const CCellMapping map = TuiMappingOf(top);
  const CCellRect cell = map.Map(map.window);
  Fill(cell.row, cell.col, cell.rows, cell.cols);
  const DWORD dwStyle = top.GetStyle();
  if ((dwStyle & WS_CAPTION) == WS_CAPTION) {
    std::string strTitle = TuiFromCodePage(top.GetWindowText());
    if (AfxIsWaitCursor() && &top == AfxGetMainWnd())
      strTitle += " - Busy, please wait";
    TuiDrawBox(cell.row, cell.col, cell.rows, cell.cols, strTitle,
               top.IsInputEnabled() ? A_BOLD : A_DIM);
    if (dwStyle & WS_SYSMENU) Put(cell.row, cell.col + cell.cols - 4, "[X]", 3);
  }
  if (top.GetMenu()) DrawMenuBar(top, map);
  for (const CBlit& blit : top.GetBlits()) {
    const POINT origin = top.ClientOrigin();
    const RECT rc = {origin.x + blit.x, origin.y + blit.y,
                     origin.x + blit.x + blit.cx, origin.y + blit.y + blit.cy};
    // The drawing brings its own frame.
    DrawArt(blit.nBitmap, map.Map(rc), FALSE);
  }
  DrawChildren(top, map);
}
}  // namespace

CCellRect CCellMapping::Map(const RECT& rc) const {
  const int col =
      col0 + static_cast<int>(std::floor((rc.left - window.left) * sx + 0.5));
  const int row =
      row0 + static_cast<int>(std::floor((rc.top - window.top) * sy + 0.5));
  const int col2 =
      col0 + static_cast<int>(std::floor((rc.right - window.left) * sx + 0.5));
  const int row2 =
      row0 + static_cast<int>(std::floor((rc.bottom - window.top) * sy + 0.5));
  return CCellRect{col, row, std::max(col2 - col, 1), std::max(row2 - row, 1)};
}

POINT CCellMapping::Unmap(int col, int row) const {
  return POINT{window.left + static_cast<LONG>((col - col0 + 0.5) / sx),
               window.top + static_cast<LONG>((row - row0 + 0.5) / sy)};
}

CCellMapping TuiMappingOf(CWnd& top) {
  CCellMapping map;
  top.GetWindowRect(&map.window);
  const double w = std::max<LONG>(1, map.window.right - map.window.left);
  const double h = std::max<LONG>(1, map.window.bottom - map.window.top);
  map.sx = std::min(1.0 / kCellWidth, COLS / w);
  map.sy = std::min(1.0 / kCellHeight, LINES / h);
  map.col0 =
      static_cast<int>(std::floor(map.window.left / double(kCellWidth) + 0.5));
  map.row0 =
      static_cast<int>(std::floor(map.window.top / double(kCellHeight) + 0.5));
  if (map.sx < 1.0 / kCellWidth) map.col0 = 0;
  if (map.sy < 1.0 / kCellHeight) map.row0 = 0;
  map.col0 =
      std::max(0, std::min(map.col0, COLS - static_cast<int>(w * map.sx)));
  map.row0 =
      std::max(0, std::min(map.row0, LINES - static_cast<int>(h * map.sy)));
  return map;
}

CCellRect TuiMenuTitleRect(CWnd& frame, int nPopup) {
  const CCellMapping map = TuiMappingOf(frame);
  const CCellRect cell = map.Map(map.window);
  int col = cell.col + 1;
  const CMenuTemplate* pMenu = frame.GetMenu();
  for (int i = 0; pMenu && i < static_cast<int>(pMenu->nPopups); ++i) {
    const int nWidth = TuiTextWidth(TuiLabel(pMenu->pPopups[i].pszText)) + 2;
    if (i == nPopup) return CCellRect{col, cell.row + 1, nWidth, 1};
    col += nWidth;
  }
  return CCellRect{col, cell.row + 1, 0, 1};
}

void TuiDrawWindows() {
  const auto& windows = AfxGetTopLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    if ((*it)->IsWindowVisible()) DrawTopLevel(**it);
}

std::string TuiFromCodePage(const std::string& strText) {
  std::string strOut;
  for (unsigned char c : strText) {
    if (c < 0x80) {
      strOut += static_cast<char>(c);
    } else if (c == 0x99) {
      strOut += "\xE2\x84\xA2";  // trade-mark sign
    } else if (c >= 0xA0) {
      strOut += static_cast<char>(0xC0 | (c >> 6));
      strOut += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      strOut += '?';
    }
  }
  return strOut;
}

std::string TuiLabel(const std::string& strText) {
  std::string strOut;
  for (size_t i = 0; i < strText.size(); ++i) {
    if (strText[i] == '&') {
      if (i + 1 < strText.size() && strText[i + 1] == '&') {
        strOut += '&';
        ++i;
      }
      continue;
    }
    strOut += strText[i];
  }
  return strOut;
}

int TuiTextWidth(const std::string& strUtf8) {
  int n = 0;
  for (unsigned char c : strUtf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::vector<std::string> TuiWrap(const std::string& strText, int nWidth) {
  std::vector<std::string> lines;
  std::string strLine, strWord;
  auto flushWord = [&] {
    if (strWord.empty()) return;
    if (!strLine.empty() &&
        TuiTextWidth(strLine) + 1 + TuiTextWidth(strWord) > nWidth) {
      lines.push_back(strLine);
      strLine.clear();
    }
    strLine += (strLine.empty() ? "" : " ") + strWord;
    strWord.clear();
  };
  for (char c : strText) {
    if (c == '\n') {
      flushWord();
      lines.push_back(strLine);
      strLine.clear();
    } else if (c == ' ' || c == '\t' || c == '\r') {
      flushWord();
    } else {
      strWord += c;
    }
  }
  flushWord();
  if (!strLine.empty() || lines.empty()) lines.push_back(strLine);
  return lines;
}

void TuiDrawBox(int row, int col, int rows, int cols,
                const std::string& strTitle, int nAttr) {
  if (rows < 2 || cols < 2) return;
  mvaddch(row, col, ACS_ULCORNER);
  mvhline(row, col + 1, ACS_HLINE, cols - 2);
  mvaddch(row, col + cols - 1, ACS_URCORNER);
  mvvline(row + 1, col, ACS_VLINE, rows - 2);
  mvvline(row + 1, col + cols - 1, ACS_VLINE, rows - 2);
  mvaddch(row + rows - 1, col, ACS_LLCORNER);
  mvhline(row + rows - 1, col + 1, ACS_HLINE, cols - 2);
  mvaddch(row + rows - 1, col + cols - 1, ACS_LRCORNER);
  if (!strTitle.empty()) {
    const std::string strShown = " " + strTitle + " ";
    const int nWidth = std::min(TuiTextWidth(strShown), cols - 6);
    attron(nAttr);
    Put(row, col + std::max(1, (cols - nWidth) / 2), strShown, nWidth);
    attroff(nAttr);
  }
}
