// The terminal UI's text handling.
#include <gtest/gtest.h>

#include "fw/BitmapResource.h"
#include "platform/host/tui/TuiArt.h"
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

TEST(TuiDrawTest, CodePageTextBecomesUtf8OrPlainLetters) {
  EXPECT_EQ("Windows NT \xE2\x84\xA2 ",
            TuiFromCodePage("Windows NT \x99 ", TRUE));
  EXPECT_EQ("caf\xC3\xA9", TuiFromCodePage("caf\xE9", TRUE));
  // A terminal without UTF-8 gets what its character set can show.
  EXPECT_EQ("Windows NT (TM) ", TuiFromCodePage("Windows NT \x99 ", FALSE));
  EXPECT_EQ("(C) caf?", TuiFromCodePage("\xA9 caf\xE9", FALSE));
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

TEST(TuiDrawTest, WrapKeepsTheTextsOwnBlanks) {
  EXPECT_EQ((std::vector<std::string>{"!!!!   WARNING   !!!!", "",
                                      "  indented  twice"}),
            TuiWrap("!!!!   WARNING   !!!!\n\n  indented  twice  ", 40));
  // The blanks where a line breaks go; a tab is blanks to the next stop.
  EXPECT_EQ((std::vector<std::string>{"one", "two"}), TuiWrap("one   two", 5));
  EXPECT_EQ((std::vector<std::string>{"v", "        s - silent"}),
            TuiWrap("v\n\ts - silent", 40));
}

// Even lines: no word left alone on a paragraph's last line.
TEST(TuiDrawTest, EvenWrapLeavesNoOrphanWords) {
  EXPECT_EQ((std::vector<std::string>{"Corvane will NOT assume responsibility",
                                      "for any system corruption"}),
            TuiWrapEven("Corvane will NOT assume responsibility for any system "
                        "corruption",
                        60));
  EXPECT_EQ(
      (std::vector<std::string>{"If you have not restarted your computer",
                                "since the failed install or uninstall,",
                                "you should do so now."}),
      TuiWrapEven("If you have not restarted your computer since the failed "
                  "install or uninstall,\nyou should do so now.",
                  72));
  // A word wider than the box is split rather than cut.
  EXPECT_EQ((std::vector<std::string>{"abcde", "fgh"}),
            TuiWrapEven("abcdefgh", 5));
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

// On a screen narrower or lower than the splash picture, it is scaled
// down: its frame whole, and at 64 columns its words too.
TEST(TuiDrawTest, DrawingsAreScaledDownNotCut) {
  const CBitmapResource* pBitmap = FindBitmapResource(IDB_SPLASH);
  ASSERT_NE(nullptr, pBitmap);
  const std::vector<std::string> art(pBitmap->ppszArt,
                                     pBitmap->ppszArt + pBitmap->nArtLines);
  for (const auto& size : {std::make_pair(64, 15), std::make_pair(40, 9)}) {
    const std::vector<std::string> fitted =
        TuiFitArt(art, size.first, size.second);
    ASSERT_EQ(static_cast<size_t>(size.second), fitted.size());
    EXPECT_EQ(art.front().substr(0, 2), fitted.front().substr(0, 2));
    EXPECT_EQ(art.back().substr(0, 2), fitted.back().substr(0, 2));
    for (const std::string& strLine : fitted) {
      EXPECT_EQ(static_cast<size_t>(size.first), strLine.size()) << strLine;
      EXPECT_TRUE(strLine.back() == '|' || strLine.back() == '.' ||
                  strLine.back() == '\'')
          << strLine;
    }
    if (size.first != 64) continue;
    std::string strAll;
    for (const std::string& strLine : fitted) strAll += strLine + "\n";
    for (const char* pszWords :
         {"PC Card and CardBus", "drivers for Windows NT",
          "Registry Update Utility", "T E S S A R I N E"})
      EXPECT_NE(std::string::npos, strAll.find(pszWords)) << strAll;
  }
  // A drawing that fits stays as it is.
  EXPECT_EQ(art, TuiFitArt(art, 80, 23));
}

}  // namespace
