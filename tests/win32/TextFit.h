// Whether the texts of a real dialog fit their controls, measured as the
// controls draw them: with each control's own font, in its client area.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One line for each static text, push button, check box, radio button or
// group box of hDialog whose text does not fit in it, or that reaches out
// of the dialog's client area: its id, its text and the sizes in pixels.
// Empty when every text fits.
std::vector<std::string> CutTexts(HWND hDialog);
