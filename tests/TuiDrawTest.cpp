// The terminal UI's text handling and its pixel-to-cell mapping.
#include <gtest/gtest.h>

#include "platform/host/tui/TuiDraw.h"

namespace {

TEST(TuiDrawTest, LabelsDropMnemonicMarksAndKeepDoubledAmpersands) {
  EXPECT_EQ("Clear Registry & Delete Files",
            TuiLabel("Clear Registry && Delete Files"));
  EXPECT_EQ("Exit", TuiLabel("E&xit"));
  EXPECT_EQ("About Registry Update...", TuiLabel("&About Registry Update..."));
  EXPECT_EQ("", TuiLabel("&"));
}

TEST(TuiDrawTest, CodePageTextBecomesUtf8) {
  EXPECT_EQ("Windows NT \xE2\x84\xA2 ", TuiFromCodePage("Windows NT \x99 "));
  EXPECT_EQ("caf\xC3\xA9", TuiFromCodePage("caf\xE9"));
  EXPECT_EQ(4, TuiTextWidth("caf\xC3\xA9"));
  EXPECT_EQ(1, TuiTextWidth("\xE2\x84\xA2"));
}

TEST(TuiDrawTest, WrapKeepsWordsWholeAndHonoursLineBreaks) {
  const struct {
    const char* pszText;
    int nWidth;
    std::vector<std::string> lines;
  } cases[] = {
      {"Share a single ISA interrupt",
       12,
       {"Share a", "single ISA", "interrupt"}},
      {"one\ntwo three", 20, {"one", "two three"}},
      {"", 10, {""}},
      {"averyveryverylongword x", 5, {"averyveryverylongword", "x"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.lines, TuiWrap(c.pszText, c.nWidth)) << c.pszText;
}

TEST(TuiDrawTest, MappingScalesSixByThirteenPixelCellsAndRoundTrips) {
  CCellMapping map;
  map.window = RECT{60, 26, 60 + 492, 26 + 299};
  map.sx = 1.0 / 6;
  map.sy = 1.0 / 13;
  map.col0 = 10;
  map.row0 = 2;
  const CCellRect whole = map.Map(map.window);
  EXPECT_EQ(10, whole.col);
  EXPECT_EQ(2, whole.row);
  EXPECT_EQ(82, whole.cols);
  EXPECT_EQ(23, whole.rows);
  // A 135 x 24 dialog-unit button of the form: 202 x 39 pixels.
  const CCellRect button = map.Map(RECT{60 + 144, 26 + 48, 60 + 346, 26 + 87});
  EXPECT_EQ(34, button.cols);
  EXPECT_EQ(3, button.rows);
  const POINT pt = map.Unmap(button.col + 1, button.row + 1);
  EXPECT_GE(pt.x, 60 + 144);
  EXPECT_LT(pt.x, 60 + 346);
  EXPECT_GE(pt.y, 26 + 48);
  EXPECT_LT(pt.y, 26 + 87);
}

}  // namespace
