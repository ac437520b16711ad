// The layout of one window on the character screen, worked out from its
// controls' pixel rectangles. Each axis is mapped piecewise: the template's
// proportions where there is room, and wherever a control needs more cells
// (a whole label, a wrapped text, a group box's borders) it gets them from
// the gaps around it. Controls whose template rows meet are one band and
// begin on one terminal row. Pure computation: no curses.
#pragma once

#include <string>
#include <vector>

#include "TuiText.h"
#include "platform/WinUserTypes.h"

struct CCellRect {
  int col, row, cols, rows;
};

enum class CTuiItemKind {
  PushButton,  // "[ label ]" on one row
  Check,       // "[ ] " or "( ) " and the text wrapped beside it
  Text,        // text wrapped into its rectangle
  GroupBox,    // a box with its title in the top edge; holds other items
  Combo,       // "[entry|v]" on one row
  Picture,     // a fixed number of rows (a character drawing, a line)
  Pane,        // a child window holding others, drawn by no one
};

struct CTuiLayoutItem {
  CTuiItemKind kind;
  RECT rc;      // pixels, relative to the window's client area
  int nParent;  // index of the enclosing group box or pane; -1: the window
  std::string strText;  // as shown (UTF-8), or the longest combo entry
  int nCols, nRows;     // a picture's size in cells
};

// One axis: pixel offsets at the breakpoints and their cells.
struct CTuiAxis {
  std::vector<LONG> pixels;
  std::vector<int> cells;
  // Cells of a pixel offset; between breakpoints in proportion.
  int Map(LONG nPixel) const;
};

struct CTuiLayout {
  BOOL bFits = FALSE;
  // Cells of the window's box on the screen and of its client area.
  CCellRect window{0, 0, 0, 0};
  CCellRect client{0, 0, 0, 0};
  // When it does not fit: the smallest screen that would hold it.
  int nMinCols = 0, nMinRows = 0;
  CTuiAxis x, y;
  std::vector<CCellRect> cells;  // of every item, on the screen
  // TRUE for an item that shares its band with another item.
  std::vector<BOOL> inBand;
};

struct CTuiWindowShape {
  RECT window;  // screen pixels
  RECT client;  // screen pixels
};

// Nominal cells of 5 x 13 pixels, squeezed into nCols x nRows when the
// window is larger.
CTuiLayout TuiLayOut(const CTuiWindowShape& shape,
                     const std::vector<CTuiLayoutItem>& items, int nCols,
                     int nRows);
