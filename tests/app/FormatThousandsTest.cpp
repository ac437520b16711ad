#include <gtest/gtest.h>

#include "app/FormatThousands.h"

namespace {

TEST(FormatThousandsTest, GroupsDigitsOrLeavesTheTextAlone) {
  const struct {
    const char* pszIn;
    const char* pszOut;
  } cases[] = {
      {"0", "0"},
      {"7", "7"},
      {"100", "100"},
      {"999", "999"},
      {"1000", "1,000"},
      {"1007", "1,007"},
      {"1045", "1,045"},
      {"131072", "131,072"},
      {"1234567", "1,234,567"},
      {"1000000", "1,000,000"},
      {"2147483647", "2,147,483,647"},
      {"-1234", "-1,234"},
      {"-2147483648", "-2,147,483,648"},
      // Not the decimal form of a 32-bit number: unchanged.
      {"0012", "0012"},
      {"+12", "+12"},
      {" 12", " 12"},
      {"12 ", "12 "},
      {"12a", "12a"},
      {"", ""},
      {"2147483648", "2147483648"},
      {"99999999999999999999", "99999999999999999999"},
      {"-0", "-0"},
  };
  for (const auto& c : cases) {
    std::string str = c.pszIn;
    FormatThousands(str);
    EXPECT_EQ(c.pszOut, str) << "input \"" << c.pszIn << "\"";
  }
}

}  // namespace
