// Drawing of the framework's windows on the curses screen.
#pragma once

#include <string>
#include <vector>

#include "TuiUser.h"
#include "fw/Wnd.h"

// The mapping of a top-level window onto the current screen.
CCellMapping TuiMappingOf(CWnd& top);
// Draws every visible top-level window, bottom first.
void TuiDrawWindows();
// Text of the system code page (Windows-1252) as UTF-8.
std::string TuiFromCodePage(const std::string& strText);
// A control text as shown: "&&" is one ampersand, a single "&" marks the
// mnemonic and is dropped.
std::string TuiLabel(const std::string& strText);
// Words of strText wrapped into lines of at most nWidth characters.
std::vector<std::string> TuiWrap(const std::string& strText, int nWidth);
// Draws a box with a title in its top edge.
void TuiDrawBox(int row, int col, int rows, int cols,
                const std::string& strTitle, int nAttr);
// The cell rectangle of the menu title nPopup of a frame (row, col, width).
CCellRect TuiMenuTitleRect(CWnd& frame, int nPopup);
// UTF-8 aware length.
int TuiTextWidth(const std::string& strUtf8);
