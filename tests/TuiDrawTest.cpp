// The terminal UI's text handling.
#include <gtest/gtest.h>

#include "fw/BitmapResource.h"
#include "platform/host/tui/TuiDraw.h"
#include "res/Resource.h"

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

TEST(TuiDrawTest, MnemonicIsTheLetterAfterASingleAmpersand) {
  EXPECT_EQ(1, TuiMnemonicIndex("E&xit"));
  EXPECT_EQ(0, TuiMnemonicIndex("&Help"));
  EXPECT_EQ(-1, TuiMnemonicIndex("Clear Registry && Delete Files"));
  EXPECT_EQ(4, TuiMnemonicIndex("A && &B"));
  EXPECT_EQ(-1, TuiMnemonicIndex("trailing&"));
}

// The drawings stand in for pictures: every line as wide as the first, so
// that their frames close.
TEST(TuiDrawTest, CharacterDrawingsAreRectangular) {
  for (UINT nID : {IDB_SPLASH, IDB_LOGO}) {
    const CBitmapResource* pBitmap = FindBitmapResource(nID);
    ASSERT_NE(nullptr, pBitmap);
    for (size_t i = 0; i < pBitmap->nArtLines; ++i)
      EXPECT_EQ(TuiTextWidth(pBitmap->ppszArt[0]),
                TuiTextWidth(pBitmap->ppszArt[i]))
          << nID << ": " << pBitmap->ppszArt[i];
  }
}

}  // namespace
