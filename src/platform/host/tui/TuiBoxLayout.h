// Where the terminal UI's own boxes go on the screen: message boxes, the
// menu bar's popups and drop-down lists, and the notice shown in place of
// a window that the screen can't hold. Like the dialogs' layout, a box
// either fits whole or is not shown at all. Pure computation: no curses.
#pragma once

#include <string>
#include <vector>

#include "TuiLayout.h"

// Text columns a message box grows to on a wide screen: lines longer than
// that are hard to follow.
constexpr int kTuiReadableCols = 80;

struct CTuiMessageBoxLayout {
  BOOL bFits = FALSE;
  // When it does not fit: the smallest screen that would hold it.
  int nMinCols = 0, nMinRows = 0;
  CCellRect box{0, 0, 0, 0};
  int nMarkCol = 0, nMarkRow = 0;  // the icon's mark
  int nTextCol = 0, nTextRow = 0;  // the first line
  std::vector<std::string> lines;
  int nButtonRow = 0;
  std::vector<CCellRect> buttons;  // "[ Yes ]", in the given order
};

// strText and strCaption as shown (UTF-8); strMark the icon's mark, empty
// for none; buttons their labels, on a screen of nCols x nRows.
CTuiMessageBoxLayout TuiLayOutMessageBox(
    const std::string& strText, const std::string& strCaption,
    const std::string& strMark, const std::vector<std::string>& buttons,
    int nCols, int nRows);

struct CTuiMenuLayout {
  BOOL bFits = FALSE;
  int nMinCols = 0, nMinRows = 0;
  std::vector<CCellRect> titles;  // on the menu bar
  CCellRect popup{0, 0, 0, 0};    // the open popup's box
  // Rows of the open popup's items: popup.row + 1 + i.
};

// The menu bar starts at bar; titles and items are their labels as shown.
// nOpen is the popup that is open, -1 for none.
CTuiMenuLayout TuiLayOutMenu(const CCellRect& bar,
                             const std::vector<std::string>& titles,
                             const std::vector<std::string>& items, int nOpen,
                             int nCols, int nRows);

// A drop-down list's box for nEntries entries of a field: below it when
// they fit there, else above, else on the roomier side with fewer rows;
// never over the field itself.
CCellRect TuiLayOutList(const CCellRect& field, int nEntries, int nCols,
                        int nRows);

// Said in place of a window nMinCols x nMinRows on a screen of nCols x
// nRows; strTitle is the window's title.
std::string TuiTooSmallNotice(const std::string& strTitle, int nMinCols,
                              int nMinRows, int nCols, int nRows);
