#include <gtest/gtest.h>

#include "platform/host/files/WildcardMatch.h"

namespace {
TEST(WildcardMatchTest, MatchesAsFindFirstFileDoes) {
  struct {
    const char* pszMask;
    const char* pszName;
    bool bMatch;
  } cases[] = {
      {"*.*", "Pellin.sys", true},
      {"*.*", "README", true},
      {"*.*", ".", true},
      {"*.*", "..", true},
      {"*", "a.b.c", true},
      {"_detmp.*", "_detmp.1", true},
      {"_detmp.*", "_DETMP.LOG", true},
      {"_detmp.*", "_detmp", true},
      {"_detmp.*", "_detmp2.1", false},
      {"_detmp.*", "x_detmp.1", false},
      {"_istmp*.dir", "_istmp12.dir", true},
      {"_istmp*.dir", "_ISTMP.DIR", true},
      {"_istmp*.dir", "_istmp12.dirx", false},
      {"_istmp*.dir", "_istmp12.di", false},
      {"Tessarine*.*", "Tessarine", true},
      {"Tessarine*.*", "Tessarine Tools", true},
      {"Tessarine*.*", "tessarine.lnk", true},
      {"Tessarine*.*", "My Tessarine", false},
      {"Pcmcia.sys", "PCMCIA.SYS", true},
      {"Pcmcia.sys", "Pcmcia.sy", false},
      {"?ellin.sys", "Pellin.sys", true},
      {"?ellin.sys", "ellin.sys", false},
      {"a*b*c", "aXXbYYbZZc", true},
      {"a*b*c", "aXXbYYbZZ", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pszMask) + " ~ " + c.pszName);
    EXPECT_EQ(c.bMatch, WildcardMatch(c.pszMask, c.pszName));
  }
}

TEST(WildcardMatchTest, ManyStarsStayFast) {
  EXPECT_FALSE(WildcardMatch("*a*a*a*a*a*a*a*a*a*a*b", std::string(200, 'a')));
}
}  // namespace
