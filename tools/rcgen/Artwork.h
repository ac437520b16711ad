// The program's pictures, drawn here rather than kept as binary files.
#pragma once

#include "Picture.h"

// Bitmap 105: the splash picture, 520 x 317.
CPicture DrawSplashPicture();
// Bitmap 211: the About box's product logo, 116 x 116.
CPicture DrawProductLogo();
// Icon 101: the main window's icon, 32 x 32; its pixels of
// IconTransparentColour() are transparent.
CPicture DrawMainIcon();
uint8_t IconTransparentColour();

constexpr int kSplashWidth = 520;
constexpr int kSplashHeight = 317;
constexpr int kLogoSize = 116;
constexpr int kIconSize = 32;
