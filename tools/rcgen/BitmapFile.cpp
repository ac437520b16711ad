#include "BitmapFile.h"

#include <cstdint>

namespace {
const uint32_t kFileHeaderSize = 14;
const uint32_t kInfoHeaderSize = 40;
const uint32_t kPaletteSize = 16 * 4;

void PutWord(std::string* pOut, uint16_t n) {
  pOut->push_back(static_cast<char>(n & 0xFF));
  pOut->push_back(static_cast<char>(n >> 8));
}

void PutDword(std::string* pOut, uint32_t n) {
  PutWord(pOut, static_cast<uint16_t>(n & 0xFFFF));
  PutWord(pOut, static_cast<uint16_t>(n >> 16));
}

uint32_t ColourRowSize(int nWidth) {
  return static_cast<uint32_t>((nWidth * 4 + 31) / 32 * 4);
}

uint32_t MaskRowSize(int nWidth) {
  return static_cast<uint32_t>((nWidth + 31) / 32 * 4);
}

// BITMAPINFOHEADER; an icon's header counts the mask in its height.
void PutInfoHeader(std::string* pOut, const CPicture& picture,
                   int nHeightFactor, uint32_t cbImage) {
  PutDword(pOut, kInfoHeaderSize);
  PutDword(pOut, static_cast<uint32_t>(picture.Width()));
  PutDword(pOut, static_cast<uint32_t>(picture.Height() * nHeightFactor));
  PutWord(pOut, 1);   // planes
  PutWord(pOut, 4);   // bits per pixel
  PutDword(pOut, 0);  // BI_RGB
  PutDword(pOut, cbImage);
  PutDword(pOut, 2835);  // 72 dpi
  PutDword(pOut, 2835);
  PutDword(pOut, 16);  // colours used
  PutDword(pOut, 0);   // all important
}

// RGBQUAD entries: blue, green, red, reserved.
void PutPalette(std::string* pOut) {
  for (uint8_t n = 0; n < 16; ++n) {
    const uint32_t rgb = ColourRgb(n);
    pOut->push_back(static_cast<char>(rgb & 0xFF));
    pOut->push_back(static_cast<char>((rgb >> 8) & 0xFF));
    pOut->push_back(static_cast<char>((rgb >> 16) & 0xFF));
    pOut->push_back(0);
  }
}

// Two pixels a byte, the left one in the high nibble. Transparent pixels of
// an icon are black, so that the screen shows through unchanged.
void PutColourRows(std::string* pOut, const CPicture& picture,
                   int nTransparent) {
  const uint32_t cbRow = ColourRowSize(picture.Width());
  for (int y = picture.Height() - 1; y >= 0; --y) {
    std::string row(cbRow, '\0');
    for (int x = 0; x < picture.Width(); ++x) {
      const uint8_t nColour = picture.At(x, y);
      const uint8_t nibble = nColour == nTransparent ? kBlack : nColour & 15;
      row[x / 2] =
          static_cast<char>(row[x / 2] | (x % 2 ? nibble : nibble << 4));
    }
    pOut->append(row);
  }
}

void PutMaskRows(std::string* pOut, const CPicture& picture,
                 uint8_t nTransparent) {
  const uint32_t cbRow = MaskRowSize(picture.Width());
  for (int y = picture.Height() - 1; y >= 0; --y) {
    std::string row(cbRow, '\0');
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.At(x, y) == nTransparent)
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    pOut->append(row);
  }
}
}  // namespace

std::string EncodeBitmapFile(const CPicture& picture) {
  const uint32_t cbImage = ColourRowSize(picture.Width()) * picture.Height();
  const uint32_t cbBits = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
  std::string out;
  out += "BM";
  PutDword(&out, cbBits + cbImage);
  PutDword(&out, 0);  // reserved
  PutDword(&out, cbBits);
  PutInfoHeader(&out, picture, 1, cbImage);
  PutPalette(&out);
  PutColourRows(&out, picture, -1);
  return out;
}

std::string EncodeIconFile(const CPicture& picture, uint8_t nTransparent) {
  const uint32_t cbImage =
      (ColourRowSize(picture.Width()) + MaskRowSize(picture.Width())) *
      picture.Height();
  const uint32_t cbResource = kInfoHeaderSize + kPaletteSize + cbImage;
  std::string out;
  PutWord(&out, 0);  // ICONDIR: reserved, type 1 (icon), one image
  PutWord(&out, 1);
  PutWord(&out, 1);
  out.push_back(static_cast<char>(picture.Width() & 0xFF));  // ICONDIRENTRY
  out.push_back(static_cast<char>(picture.Height() & 0xFF));
  out.push_back(16);  // colours
  out.push_back(0);
  PutWord(&out, 1);  // planes
  PutWord(&out, 4);  // bits per pixel
  PutDword(&out, cbResource);
  PutDword(&out, 6 + 16);  // image offset
  PutInfoHeader(&out, picture, 2, cbImage);
  PutPalette(&out);
  PutColourRows(&out, picture, nTransparent);
  PutMaskRows(&out, picture, nTransparent);
  return out;
}
