// The picture as Windows stores it: a 4-bit device-independent bitmap file
// (.bmp, for BITMAP resources) and an icon file (.ico, for ICON resources),
// both little-endian, rows bottom-up and padded to 4 bytes.
#pragma once

#include <string>

#include "Picture.h"

// BITMAPFILEHEADER, BITMAPINFOHEADER (4 bits per pixel, uncompressed), the
// 16-colour palette and the pixel rows.
std::string EncodeBitmapFile(const CPicture& picture);
// One image: the header, the 4-bit colour rows and a 1-bit mask in which
// pixels of nTransparent are transparent.
std::string EncodeIconFile(const CPicture& picture, uint8_t nTransparent);
