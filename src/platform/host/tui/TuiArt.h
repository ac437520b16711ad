// Character drawings (the splash picture, the logo) on a screen smaller
// than they are: scaled down, never cut. Pure computation: no curses.
#pragma once

#include <string>
#include <vector>

// lines (ASCII, all of one width) made to fit nCols x nRows: first blank
// rows inside the frame go, and of each run of blank columns all but one,
// spread evenly over the drawing; if it is still too large, rows and
// columns are left out evenly, the frame's first and last kept.
std::vector<std::string> TuiFitArt(const std::vector<std::string>& lines,
                                   int nCols, int nRows);
