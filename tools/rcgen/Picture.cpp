#include "Picture.h"

#include <cctype>
#include <cstring>

namespace {
const uint32_t kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000,
                               0x000080, 0x800080, 0x008080, 0xC0C0C0,
                               0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                               0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// 4 x 4 ordered-dither thresholds, 0..15.
const int kBayer[4][4] = {
    {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

struct CGlyph {
  char ch;
  const char* rows[7];
};

const CGlyph kFont[] = {
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'I', {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'J', {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "}},
    {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
    {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
    {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
    {'N', {"#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
    {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
    {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
    {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "}},
    {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
    {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'.', {"     ", "     ", "     ", "     ", "     ", " ##  ", " ##  "}},
    {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
};

const CGlyph* FindGlyph(char ch) {
  const char chUpper =
      static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  for (const CGlyph& glyph : kFont)
    if (glyph.ch == chUpper) return &glyph;
  return nullptr;  // drawn as a blank
}
}  // namespace

uint32_t ColourRgb(uint8_t nIndex) { return kPalette[nIndex & 15]; }

CPicture::CPicture(int nWidth, int nHeight, uint8_t nFill)
    : m_nWidth(nWidth),
      m_nHeight(nHeight),
      m_pixels(static_cast<size_t>(nWidth) * nHeight, nFill) {}

uint8_t CPicture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) return kBlack;
  return m_pixels[static_cast<size_t>(y) * m_nWidth + x];
}

void CPicture::Set(int x, int y, uint8_t nColour) {
  if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) return;
  m_pixels[static_cast<size_t>(y) * m_nWidth + x] = nColour & 15;
}

void CPicture::FillRect(int x, int y, int cx, int cy, uint8_t nColour) {
  for (int j = y; j < y + cy; ++j)
    for (int i = x; i < x + cx; ++i) Set(i, j, nColour);
}

void CPicture::FrameRect(int x, int y, int cx, int cy, uint8_t nColour) {
  FillRect(x, y, cx, 1, nColour);
  FillRect(x, y + cy - 1, cx, 1, nColour);
  FillRect(x, y, 1, cy, nColour);
  FillRect(x + cx - 1, y, 1, cy, nColour);
}

void CPicture::FillCircle(int cx, int cy, int r, uint8_t nColour) {
  for (int j = -r; j <= r; ++j)
    for (int i = -r; i <= r; ++i)
      if (i * i + j * j <= r * r) Set(cx + i, cy + j, nColour);
}

void CPicture::DitherRect(int x, int y, int cx, int cy, uint8_t a, uint8_t b,
                          int nLevel) {
  for (int j = y; j < y + cy; ++j)
    for (int i = x; i < x + cx; ++i)
      Set(i, j, kBayer[j & 3][i & 3] < nLevel ? b : a);
}

void CPicture::Text(int x, int y, const std::string& strText, int nScale,
                    uint8_t nColour) {
  for (size_t n = 0; n < strText.size(); ++n) {
    const CGlyph* pGlyph = FindGlyph(strText[n]);
    if (pGlyph == nullptr) continue;
    const int x0 = x + static_cast<int>(n) * 6 * nScale;
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (pGlyph->rows[row][col] == '#')
          FillRect(x0 + col * nScale, y + row * nScale, nScale, nScale,
                   nColour);
  }
}

int CPicture::TextWidth(const std::string& strText, int nScale) {
  // The last character's spacing column is not part of the text.
  return strText.empty()
             ? 0
             : static_cast<int>(strText.size()) * 6 * nScale - nScale;
}
