// The picture files of the Windows build, read back field by field as
// Windows reads a BITMAP or ICON resource.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "Artwork.h"
#include "BitmapFile.h"

namespace {
uint32_t Dword(const std::string& bytes, size_t at) {
  return static_cast<uint8_t>(bytes[at]) |
         static_cast<uint8_t>(bytes[at + 1]) << 8 |
         static_cast<uint8_t>(bytes[at + 2]) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}
uint16_t Word(const std::string& bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                               static_cast<uint8_t>(bytes[at + 1]) << 8);
}

TEST(BitmapFile, HeadersDescribeAn4BitBottomUpDib) {
  // 5 x 3: rows of 3 bytes, padded to 4.
  CPicture picture(5, 3, kBlue);
  const std::string bytes = EncodeBitmapFile(picture);
  ASSERT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(Dword(bytes, 2), bytes.size());
  EXPECT_EQ(Dword(bytes, 10), 14u + 40u + 64u);  // offset of the bits
  EXPECT_EQ(Dword(bytes, 14), 40u);              // BITMAPINFOHEADER
  EXPECT_EQ(Dword(bytes, 18), 5u);
  EXPECT_EQ(Dword(bytes, 22), 3u);  // positive: bottom-up
  EXPECT_EQ(Word(bytes, 26), 1u);
  EXPECT_EQ(Word(bytes, 28), 4u);
  EXPECT_EQ(Dword(bytes, 30), 0u);  // uncompressed
  EXPECT_EQ(Dword(bytes, 34), 4u * 3u);
  EXPECT_EQ(Dword(bytes, 46), 16u);
  EXPECT_EQ(bytes.size(), 14u + 40u + 64u + 12u);
}

TEST(BitmapFile, PaletteIsTheStandardSixteenColoursAsRgbQuads) {
  const std::string bytes = EncodeBitmapFile(CPicture(1, 1, kBlack));
  const size_t at = 14 + 40;
  const struct {
    uint8_t nIndex;
    uint8_t b, g, r;
  } kColours[] = {{kBlack, 0, 0, 0},         {kMaroon, 0, 0, 0x80},
                  {kNavy, 0x80, 0, 0},       {kSilver, 0xC0, 0xC0, 0xC0},
                  {kGray, 0x80, 0x80, 0x80}, {kRed, 0, 0, 0xFF},
                  {kBlue, 0xFF, 0, 0},       {kWhite, 0xFF, 0xFF, 0xFF}};
  for (const auto& c : kColours) {
    const size_t entry = at + 4u * c.nIndex;
    EXPECT_EQ(static_cast<uint8_t>(bytes[entry]), c.b) << int(c.nIndex);
    EXPECT_EQ(static_cast<uint8_t>(bytes[entry + 1]), c.g) << int(c.nIndex);
    EXPECT_EQ(static_cast<uint8_t>(bytes[entry + 2]), c.r) << int(c.nIndex);
    EXPECT_EQ(bytes[entry + 3], 0) << int(c.nIndex);
  }
}

TEST(BitmapFile, PixelsArePackedHighNibbleFirstFromTheBottomRow) {
  CPicture picture(3, 2, kBlack);
  picture.Set(0, 0, kRed);    // top left
  picture.Set(2, 0, kWhite);  // top right
  picture.Set(1, 1, kAqua);   // bottom middle
  const std::string bytes = EncodeBitmapFile(picture);
  const size_t bits = Dword(bytes, 10);
  // Bottom row first: pixels 0, aqua, 0, then padding.
  EXPECT_EQ(static_cast<uint8_t>(bytes[bits + 0]), 0x0E);
  EXPECT_EQ(static_cast<uint8_t>(bytes[bits + 1]), 0x00);
  // Top row: red, 0, white.
  EXPECT_EQ(static_cast<uint8_t>(bytes[bits + 4]), 0x90);
  EXPECT_EQ(static_cast<uint8_t>(bytes[bits + 5]), 0xF0);
  EXPECT_EQ(bytes.substr(bits + 2, 2), std::string(2, '\0'));
}

TEST(IconFile, OneImageWithColourRowsAndATransparencyMask) {
  CPicture picture(32, 32, kFuchsia);
  picture.Set(0, 31, kYellow);  // bottom left opaque
  const std::string bytes = EncodeIconFile(picture, kFuchsia);
  EXPECT_EQ(Word(bytes, 0), 0u);
  EXPECT_EQ(Word(bytes, 2), 1u);  // icon
  EXPECT_EQ(Word(bytes, 4), 1u);  // one image
  EXPECT_EQ(static_cast<uint8_t>(bytes[6]), 32u);
  EXPECT_EQ(static_cast<uint8_t>(bytes[7]), 32u);
  EXPECT_EQ(static_cast<uint8_t>(bytes[8]), 16u);
  const uint32_t cbImage = Dword(bytes, 14);
  const uint32_t at = Dword(bytes, 18);
  EXPECT_EQ(at, 22u);
  EXPECT_EQ(at + cbImage, bytes.size());
  EXPECT_EQ(Dword(bytes, at + 8), 64u);  // colour and mask: twice the height
  const size_t colour = at + 40 + 64;
  const size_t mask = colour + 16 * 32;
  EXPECT_EQ(bytes.size(), mask + 4 * 32);
  // Transparent pixels are black in the colour rows and set in the mask.
  EXPECT_EQ(static_cast<uint8_t>(bytes[colour]), 0xB0);
  EXPECT_EQ(static_cast<uint8_t>(bytes[colour + 1]), 0x00);
  EXPECT_EQ(static_cast<uint8_t>(bytes[mask]), 0x7F);
  EXPECT_EQ(static_cast<uint8_t>(bytes[mask + 1]), 0xFF);
}

TEST(Artwork, PicturesHaveTheSizesTheirResourcesPromise) {
  const CPicture splash = DrawSplashPicture();
  EXPECT_EQ(splash.Width(), 520);
  EXPECT_EQ(splash.Height(), 317);
  const CPicture logo = DrawProductLogo();
  EXPECT_EQ(logo.Width(), 116);
  EXPECT_EQ(logo.Height(), 116);
  const CPicture icon = DrawMainIcon();
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);
  // The icon's corners show the screen through.
  EXPECT_EQ(icon.At(0, 0), IconTransparentColour());
  EXPECT_EQ(icon.At(31, 31), IconTransparentColour());
}

TEST(Picture, TextIsDrawnInTheFontAndUnknownCharactersStayBlank) {
  CPicture picture(20, 8, kBlack);
  picture.Text(0, 0, "I?", 1, kWhite);
  // 'I': a bar of three on top, the stem in column 2.
  EXPECT_EQ(picture.At(1, 0), kWhite);
  EXPECT_EQ(picture.At(0, 0), kBlack);
  EXPECT_EQ(picture.At(2, 3), kWhite);
  for (int y = 0; y < 7; ++y)
    for (int x = 6; x < 12; ++x) EXPECT_EQ(picture.At(x, y), kBlack);
  EXPECT_EQ(CPicture::TextWidth("AB", 2), 22);
}
}  // namespace
