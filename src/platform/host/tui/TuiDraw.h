// Drawing of the framework's windows on the curses screen.
#pragma once

#include <string>
#include <vector>

#include "TuiLayout.h"
#include "fw/Wnd.h"

// A top-level window's layout on the current screen, with the window of
// each laid-out item.
struct CTuiWindowLayout {
  CTuiLayout layout;
  std::vector<CWnd*> wnds;
};

CTuiWindowLayout TuiLayoutOf(CWnd& top);
// The same for a screen of nCols x nRows cells for windows.
CTuiWindowLayout TuiLayoutOf(CWnd& top, int nCols, int nRows);
// Rows of the screen that windows may use: all but the status line.
int TuiWindowRows();
// Blanks a rectangle of the screen.
void TuiFill(int row, int col, int rows, int cols);
// Draws UTF-8 text, cut at the screen's right edge.
void TuiPutText(int row, int col, const std::string& strUtf8, int nAttr);
// Blanks the windows' rows and shows strText in their middle.
void TuiDrawNotice(const std::string& strText);
// TRUE when the top-level window fits the screen whole: it takes input
// only then.
BOOL TuiWindowFits(CWnd& top);
// Draws every visible top-level window, bottom first.
void TuiDrawWindows();
// Text of the system code page (Windows-1252) as the terminal shows it:
// UTF-8, or with bUtf8 FALSE plain ASCII ("(TM)" for the trade-mark sign).
std::string TuiFromCodePage(const std::string& strText, BOOL bUtf8);
// The same for this terminal.
std::string TuiFromCodePage(const std::string& strText);
// Set once the terminal's character set is known.
void TuiSetUtf8Terminal(BOOL bUtf8);
// A control text as shown: "&&" is one ampersand, a single "&" marks the
// mnemonic and is dropped.
std::string TuiLabel(const std::string& strText);
// The position of the mnemonic letter in TuiLabel(strText); -1 for none.
int TuiMnemonicIndex(const std::string& strText);
// Draws a label at a position with its mnemonic letter underlined.
void TuiPutLabel(int row, int col, const std::string& strText, int nAttr);
// Draws a box with a title in its top edge.
void TuiDrawBox(int row, int col, int rows, int cols,
                const std::string& strTitle, int nAttr);
// Where a frame's menu bar begins.
CCellRect TuiMenuBarCell(CWnd& frame);
// The cell rectangle of the menu title nPopup of a frame.
CCellRect TuiMenuTitleRect(CWnd& frame, int nPopup);
