// A 16-colour picture: one palette index per pixel, the palette being the
// 16 standard colours of a 4-bit Windows display, and a few drawing
// operations for the program's own artwork.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum EColour : uint8_t {
  kBlack,
  kMaroon,
  kGreen,
  kOlive,
  kNavy,
  kPurple,
  kTeal,
  kSilver,
  kGray,
  kRed,
  kLime,
  kYellow,
  kBlue,
  kFuchsia,
  kAqua,
  kWhite
};

// The RGB value of a palette index.
uint32_t ColourRgb(uint8_t nIndex);

class CPicture {
 public:
  CPicture(int nWidth, int nHeight, uint8_t nFill);

  int Width() const { return m_nWidth; }
  int Height() const { return m_nHeight; }
  // Row 0 is the top row; pixels outside are ignored or read as black.
  uint8_t At(int x, int y) const;
  void Set(int x, int y, uint8_t nColour);

  void FillRect(int x, int y, int cx, int cy, uint8_t nColour);
  void FrameRect(int x, int y, int cx, int cy, uint8_t nColour);
  void FillCircle(int cx, int cy, int r, uint8_t nColour);
  // Two colours mixed by an ordered dither; nLevel 0..16 is the share of b.
  void DitherRect(int x, int y, int cx, int cy, uint8_t a, uint8_t b,
                  int nLevel);
  // Capital letters, digits, '.', '-' and blanks in a 5 x 7 pixel font,
  // each pixel drawn as an nScale square; 6 * nScale per character.
  void Text(int x, int y, const std::string& strText, int nScale,
            uint8_t nColour);
  static int TextWidth(const std::string& strText, int nScale);

 private:
  int m_nWidth;
  int m_nHeight;
  std::vector<uint8_t> m_pixels;
};
