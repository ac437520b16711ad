// Bitmap resources: size and colour depth as the resource script holds
// them, and a character drawing of each picture, which text adapters show
// in its place (the Windows build draws the real pictures).
#pragma once

#include <cstddef>

#include "platform/WinTypes.h"

struct CBitmapResource {
  UINT nID;
  int cx, cy;  // pixels
  int nBitsPerPixel;
  const char* const* ppszArt;  // lines of the character drawing
  size_t nArtLines;
};

// The bitmap resource nID; null when there is none.
const CBitmapResource* FindBitmapResource(UINT nID);
