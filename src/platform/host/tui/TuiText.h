// Texts on the character screen: their width in cells and their lines
// when wrapped. A text keeps its own blanks and line breaks; only the run
// of blanks where a line is broken goes. Pure computation: no curses.
#pragma once

#include <string>
#include <vector>

// UTF-8 aware length.
int TuiTextWidth(const std::string& strUtf8);
// strText in lines of at most nWidth cells, broken at blanks, each line
// as full as it can be. A word wider than nWidth stands alone, whole.
std::vector<std::string> TuiWrap(const std::string& strText, int nWidth);
// The same in lines of about equal length: each paragraph keeps the number
// of lines it needs at nWidth, but no line is left with a word or two
// while the others are full. A word wider than nWidth is split.
std::vector<std::string> TuiWrapEven(const std::string& strText, int nWidth);
// The widest word of strText.
int TuiLongestWord(const std::string& strText);
