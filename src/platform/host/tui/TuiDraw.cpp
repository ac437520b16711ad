#include "TuiDraw.h"

#include <curses.h>

#include <algorithm>

#include "TuiArt.h"
#include "TuiBoxLayout.h"
#include "fw/BitmapResource.h"
#include "fw/Button.h"
#include "fw/ComboBox.h"
#include "fw/FrameworkUser.h"
#include "fw/MenuTemplate.h"
#include "fw/Static.h"
#include "fw/WinApp.h"
#include "fw/WindowMap.h"

namespace {
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

int ArtCols(const CBitmapResource& bitmap) {
  int nCols = 0;
  for (size_t i = 0; i < bitmap.nArtLines; ++i)
    nCols = std::max(nCols, TuiTextWidth(bitmap.ppszArt[i]));
  return nCols;
}

void DrawArt(UINT nBitmap, const CCellRect& cell, BOOL bBorder) {
  const CBitmapResource* pBitmap = FindBitmapResource(nBitmap);
  if (!pBitmap) return;
  if (bBorder) TuiDrawBox(cell.row, cell.col, cell.rows, cell.cols, "", 0);
  const int nBorder = bBorder ? 1 : 0;
  // Scaled down to the room there is, never cut.
  const std::vector<std::string> lines =
      TuiFitArt(std::vector<std::string>(pBitmap->ppszArt,
                                         pBitmap->ppszArt + pBitmap->nArtLines),
                cell.cols - 2 * nBorder, cell.rows - 2 * nBorder);
  const int nRows = static_cast<int>(lines.size());
  const int nArtCols = lines.empty() ? 0 : TuiTextWidth(lines[0]);
  const int nTop = cell.row + std::max(0, (cell.rows - nRows) / 2);
  const int nLeft = cell.col + std::max(0, (cell.cols - nArtCols) / 2);
  for (int r = 0; r < nRows; ++r)
    Put(nTop + r, nLeft, lines[static_cast<size_t>(r)], nArtCols);
}

int Attr(CWnd& wnd) {
  int nAttr = 0;
  if (!wnd.IsInputEnabled()) nAttr |= A_DIM;
  if (CWnd::GetFocus() == &wnd) nAttr |= A_REVERSE;
  return nAttr;
}

std::string Shown(CWnd& wnd) {
  return TuiFromCodePage(TuiLabel(wnd.GetWindowText()));
}

void DrawCheck(CButton& button, const CCellRect& cell) {
  const BOOL bEnabled = button.IsInputEnabled();
  const BOOL bChecked = button.GetCheck() == BST_CHECKED;
  const std::string strMark = button.IsRadio() ? (bChecked ? "(*) " : "( ) ")
                                               : (bChecked ? "[X] " : "[ ] ");
  const std::vector<std::string> lines =
      TuiWrap(Shown(button), std::max(1, cell.cols - 4));
  for (size_t i = 0; i < lines.size() && static_cast<int>(i) < cell.rows; ++i) {
    attrset(bEnabled ? 0 : A_DIM);
    Put(cell.row + static_cast<int>(i), cell.col, i == 0 ? strMark : "    ", 4);
    attrset(Attr(button));
    Put(cell.row + static_cast<int>(i), cell.col + 4, lines[i], cell.cols - 4);
  }
  attrset(0);
}

// A push button: its label in brackets, on its middle row, or on its first
// when it shares a row with other controls; a greyed one shows without
// brackets, dimmed.
void DrawPushButton(CButton& button, const CCellRect& cell, BOOL bInBand) {
  const std::string strText = Shown(button);
  const BOOL bEnabled = button.IsInputEnabled();
  const BOOL bRoomy = TuiTextWidth(strText) + 4 <= cell.cols;
  const std::string strPad = bRoomy ? " " : "";
  std::string strShown = bEnabled ? "[" + strPad + strText + strPad + "]"
                                  : " " + strPad + strText + strPad + " ";
  if (button.IsDefault() && bEnabled)
    strShown = "<" + strPad + strText + strPad + ">";
  const int nWidth = TuiTextWidth(strShown);
  const int nRow = cell.row + (bInBand ? 0 : (cell.rows - 1) / 2);
  const int nCol = cell.col + std::max(0, (cell.cols - nWidth) / 2);
  attrset(Attr(button) | (button.IsDefault() ? A_BOLD : 0));
  Put(nRow, nCol, strShown, std::max(cell.cols, nWidth));
  attrset(0);
}

void DrawButton(CButton& button, const CCellRect& cell, BOOL bInBand) {
  if (button.IsGroupBox()) {
    const int nAttr = button.IsInputEnabled() ? 0 : A_DIM;
    attrset(nAttr);
    TuiDrawBox(cell.row, cell.col, std::max(cell.rows, 2), cell.cols,
               Shown(button), nAttr);
    attrset(0);
  } else if (button.IsCheckable()) {
    DrawCheck(button, cell);
  } else {
    DrawPushButton(button, cell, bInBand);
  }
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
  const std::vector<std::string> lines =
      TuiWrap(Shown(ctl), std::max(cell.cols, 1));
  for (size_t i = 0; i < lines.size() && static_cast<int>(i) < cell.rows; ++i)
    Put(cell.row + static_cast<int>(i), cell.col, lines[i], cell.cols);
  attrset(0);
}

void DrawCombo(CComboBox& combo, const CCellRect& cell) {
  const int nWidth = std::max(cell.cols, 6);
  std::string strText = TuiFromCodePage(combo.GetLBText(combo.GetCurSel()));
  strText.resize(static_cast<size_t>(nWidth - 4), ' ');
  attrset(Attr(combo));
  Put(cell.row, cell.col, "[" + strText + "|v]", nWidth);
  attrset(0);
}

void DrawItem(CWnd& wnd, const CCellRect& cell, BOOL bInBand) {
  if (auto* pButton = dynamic_cast<CButton*>(&wnd))
    DrawButton(*pButton, cell, bInBand);
  else if (auto* pStatic = dynamic_cast<CStatic*>(&wnd))
    DrawStatic(*pStatic, cell);
  else if (auto* pCombo = dynamic_cast<CComboBox*>(&wnd))
    DrawCombo(*pCombo, cell);
}

void DrawMenuBar(CWnd& frame) {
  const CMenuTemplate* pMenu = frame.GetMenu();
  const int nAttr = frame.IsInputEnabled() ? 0 : A_DIM;
  for (size_t i = 0; i < pMenu->nPopups; ++i) {
    const CCellRect title = TuiMenuTitleRect(frame, static_cast<int>(i));
    TuiPutLabel(title.row, title.col + 1, pMenu->pPopups[i].pszText, nAttr);
  }
}

// Said in place of a window that the screen can't hold.
void DrawTooSmall(CWnd& top, const CTuiLayout& layout) {
  TuiDrawNotice(TuiTooSmallNotice(
      TuiFromCodePage(top.GetWindowText()), layout.nMinCols,
      layout.nMinRows + LINES - TuiWindowRows(), COLS, LINES));
}

void DrawFrame(CWnd& top, const CCellRect& cell) {
  const DWORD dwStyle = top.GetStyle();
  if ((dwStyle & WS_CAPTION) != WS_CAPTION) return;
  std::string strTitle = TuiFromCodePage(top.GetWindowText());
  if (AfxIsWaitCursor() && &top == AfxGetMainWnd()) strTitle += " - Busy";
  TuiDrawBox(cell.row, cell.col, cell.rows, cell.cols, strTitle,
             top.IsInputEnabled() ? A_BOLD : A_DIM);
  if (dwStyle & WS_SYSMENU) Put(cell.row, cell.col + cell.cols - 4, "[X]", 3);
}

void DrawBlits(CWnd& top, const CTuiLayout& layout) {
  for (const CBlit& blit : top.GetBlits()) {
    // The drawing brings its own frame.
    const int nLeft = layout.x.Map(blit.x), nTop = layout.y.Map(blit.y);
    DrawArt(blit.nBitmap,
            CCellRect{layout.client.col + nLeft, layout.client.row + nTop,
                      layout.x.Map(blit.x + blit.cx) - nLeft,
                      layout.y.Map(blit.y + blit.cy) - nTop},
            FALSE);
  }
}

void DrawTopLevel(CWnd& top) {
  const CTuiWindowLayout shown = TuiLayoutOf(top);
  const CTuiLayout& layout = shown.layout;
  if (!layout.bFits) {
    DrawTooSmall(top, layout);
    return;
  }
  const CCellRect& cell = layout.window;
  Fill(cell.row, cell.col, cell.rows, cell.cols);
  DrawFrame(top, cell);
  if (top.GetMenu()) DrawMenuBar(top);
  DrawBlits(top, layout);
  for (size_t i = 0; i < shown.wnds.size(); ++i)
    DrawItem(*shown.wnds[i], layout.cells[i], layout.inBand[i]);
}

CTuiItemKind KindOf(CWnd& wnd, std::string* pstrText, int* pnCols,
                    int* pnRows) {
  *pstrText = Shown(wnd);
  if (auto* pButton = dynamic_cast<CButton*>(&wnd))
    return pButton->IsGroupBox()    ? CTuiItemKind::GroupBox
           : pButton->IsCheckable() ? CTuiItemKind::Check
                                    : CTuiItemKind::PushButton;
  if (auto* pCombo = dynamic_cast<CComboBox*>(&wnd)) {
    pstrText->clear();
    for (int i = 0; i < pCombo->GetCount(); ++i)
      if (TuiTextWidth(pCombo->GetLBText(i)) > TuiTextWidth(*pstrText))
        *pstrText = TuiFromCodePage(pCombo->GetLBText(i));
    return CTuiItemKind::Combo;
  }
  auto* pStatic = dynamic_cast<CStatic*>(&wnd);
  if (!pStatic) return CTuiItemKind::Pane;
  if (pStatic->GetStaticStyle() == SS_BLACKRECT) {
    *pnCols = *pnRows = 1;
    return CTuiItemKind::Picture;
  }
  if (pStatic->GetStaticStyle() != SS_BITMAP) return CTuiItemKind::Text;
  const CBitmapResource* pBitmap = FindBitmapResource(pStatic->GetImage());
  const int nBorder = (wnd.GetStyle() & WS_BORDER) ? 2 : 0;
  *pnCols = (pBitmap ? ArtCols(*pBitmap) : 0) + nBorder;
  *pnRows = (pBitmap ? static_cast<int>(pBitmap->nArtLines) : 0) + nBorder;
  return CTuiItemKind::Picture;
}

void CollectItems(CWnd& parent, int nParent, const POINT& origin,
                  std::vector<CTuiLayoutItem>* pItems, CTuiWindowLayout* pOut) {
  for (CWnd* pChild : parent.GetChildren()) {
    if (!(pChild->GetStyle() & WS_VISIBLE)) continue;
    CTuiLayoutItem item{};
    item.kind = KindOf(*pChild, &item.strText, &item.nCols, &item.nRows);
    pChild->GetWindowRect(&item.rc);
    item.rc = RECT{item.rc.left - origin.x, item.rc.top - origin.y,
                   item.rc.right - origin.x, item.rc.bottom - origin.y};
    item.nParent = nParent;
    pItems->push_back(item);
    pOut->wnds.push_back(pChild);
    const int nIndex = static_cast<int>(pItems->size()) - 1;
    // A group box holds the controls that lie inside it, though they are
    // its siblings; a child window holds its own children.
    CollectItems(*pChild, nIndex, origin, pItems, pOut);
  }
}

// Controls inside a group box's rectangle belong to it.
void AssignGroups(std::vector<CTuiLayoutItem>* pItems) {
  auto& items = *pItems;
  for (size_t g = 0; g < items.size(); ++g) {
    if (items[g].kind != CTuiItemKind::GroupBox) continue;
    for (size_t i = 0; i < items.size(); ++i) {
      const RECT& rc = items[i].rc;
      const RECT& box = items[g].rc;
      if (i == g || items[i].nParent != items[g].nParent) continue;
      if (rc.left >= box.left && rc.right <= box.right && rc.top >= box.top &&
          rc.bottom <= box.bottom)
        items[i].nParent = static_cast<int>(g);
    }
  }
}
}  // namespace

int TuiWindowRows() { return std::max(1, LINES - 1); }

void TuiFill(int row, int col, int rows, int cols) {
  Fill(row, col, rows, cols);
}

void TuiPutText(int row, int col, const std::string& strUtf8, int nAttr) {
  attrset(nAttr);
  Put(row, col, strUtf8, TuiTextWidth(strUtf8));
  attrset(0);
}

void TuiDrawNotice(const std::string& strText) {
  const std::vector<std::string> lines =
      TuiWrapEven(strText, std::max(COLS, 1));
  const int nTop =
      std::max(0, (TuiWindowRows() - static_cast<int>(lines.size())) / 2);
  Fill(0, 0, TuiWindowRows(), COLS);
  for (size_t i = 0; i < lines.size(); ++i)
    TuiPutText(nTop + static_cast<int>(i),
               std::max(0, (COLS - TuiTextWidth(lines[i])) / 2), lines[i],
               A_BOLD);
}

BOOL TuiWindowFits(CWnd& top) {
  // A window without a caption is the splash picture, which is scaled to
  // any screen and which any key closes.
  if ((top.GetStyle() & WS_CAPTION) != WS_CAPTION) return TRUE;
  return TuiLayoutOf(top).layout.bFits;
}

CTuiWindowLayout TuiLayoutOf(CWnd& top) {
  return TuiLayoutOf(top, COLS, TuiWindowRows());
}

CTuiWindowLayout TuiLayoutOf(CWnd& top, int nCols, int nRows) {
  CTuiWindowLayout out;
  CTuiWindowShape shape;
  top.GetWindowRect(&shape.window);
  const POINT origin = top.ClientOrigin();
  RECT client;
  top.GetClientRect(&client);
  shape.client = RECT{origin.x, origin.y, origin.x + client.right,
                      origin.y + client.bottom};
  std::vector<CTuiLayoutItem> items;
  CollectItems(top, -1, origin, &items, &out);
  AssignGroups(&items);
  out.layout = TuiLayOut(shape, items, nCols, nRows);
  return out;
}

CCellRect TuiMenuBarCell(CWnd& frame) {
  const CCellRect cell = TuiLayoutOf(frame).layout.window;
  return CCellRect{cell.col + 1, cell.row + 1, std::max(cell.cols - 2, 0), 1};
}

CCellRect TuiMenuTitleRect(CWnd& frame, int nPopup) {
  const CCellRect bar = TuiMenuBarCell(frame);
  std::vector<std::string> titles;
  const CMenuTemplate* pMenu = frame.GetMenu();
  for (size_t i = 0; pMenu && i < pMenu->nPopups; ++i)
    titles.push_back(TuiFromCodePage(TuiLabel(pMenu->pPopups[i].pszText)));
  const CTuiMenuLayout layout =
      TuiLayOutMenu(bar, titles, {}, -1, COLS, TuiWindowRows());
  if (nPopup >= 0 && static_cast<size_t>(nPopup) < layout.titles.size())
    return layout.titles[static_cast<size_t>(nPopup)];
  return CCellRect{layout.nMinCols, bar.row, 0, 1};
}

void TuiDrawWindows() {
  const auto& windows = AfxGetTopLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    if ((*it)->IsWindowVisible()) DrawTopLevel(**it);
}

namespace {
// FALSE when the terminal's character set is not UTF-8 (a "C" or Latin
// locale): text outside ASCII is then written in plain letters.
BOOL g_bUtf8Terminal = TRUE;

// What a terminal without UTF-8 shows for a character of the code page.
const char* PlainFallback(unsigned char c) {
  switch (c) {
    case 0x99:
      return "(TM)";
    case 0xA9:
      return "(C)";
    case 0xAE:
      return "(R)";
    case 0x85:
      return "...";
    case 0x91:
    case 0x92:
      return "'";
    case 0x93:
    case 0x94:
      return "\"";
    case 0x96:
    case 0x97:
      return "-";
    case 0xA0:
      return " ";
    default:
      return "?";
  }
}
}  // namespace

void TuiSetUtf8Terminal(BOOL bUtf8) { g_bUtf8Terminal = bUtf8; }

std::string TuiFromCodePage(const std::string& strText) {
  return TuiFromCodePage(strText, g_bUtf8Terminal);
}

std::string TuiFromCodePage(const std::string& strText, BOOL bUtf8) {
  std::string strOut;
  for (unsigned char c : strText) {
    if (c < 0x80) {
      strOut += static_cast<char>(c);
    } else if (!bUtf8) {
      strOut += PlainFallback(c);
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

int TuiMnemonicIndex(const std::string& strText) {
  int nShown = 0;
  for (size_t i = 0; i < strText.size(); ++i, ++nShown) {
    if (strText[i] != '&') continue;
    if (i + 1 >= strText.size()) return -1;
    if (strText[i + 1] != '&') return nShown;
    ++i;
  }
  return -1;
}

void TuiPutLabel(int row, int col, const std::string& strText, int nAttr) {
  const std::string strShown = TuiFromCodePage(TuiLabel(strText));
  attrset(nAttr);
  Put(row, col, strShown, TuiTextWidth(strShown));
  const int nMnemonic = TuiMnemonicIndex(strText);
  if (nMnemonic >= 0 && static_cast<size_t>(nMnemonic) < strShown.size()) {
    attrset(nAttr | A_UNDERLINE);
    Put(row, col + nMnemonic,
        strShown.substr(static_cast<size_t>(nMnemonic), 1), 1);
  }
  attrset(0);
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
