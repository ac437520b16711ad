// The generated resource script: quoting that the resource compiler reads
// back byte for byte, and a string table that holds the program's strings.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "RcScript.h"
#include "fw/StringTable.h"

namespace {
TEST(RcQuote, EscapesWhatTheResourceCompilerWouldReadOtherwise) {
  const struct {
    const char* pszText;
    const char* pszQuoted;
  } kCases[] = {
      {"", "\"\""},
      {"plain text", "\"plain text\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},  // quotes are doubled
      {"C:\\WINNT\\", "\"C:\\\\WINNT\\\\\""},
      {"a\nb\r\nc\td", "\"a\\nb\\r\\nc\\td\""},
      {"50%% %d %s", "\"50%% %d %s\""},  // printf formats untouched
      {"Clear Registry && Delete", "\"Clear Registry && Delete\""},
      {"trailing  ", "\"trailing  \""},
      {"TM \x99 ", "\"TM \\231 \""},            // code page 1252 byte
      {"\x01\x7f\xff", "\"\\001\\177\\377\""},  // always three octal digits
      {"\x99"
       "1",
       "\"\\2311\""},  // a digit after an escape
  };
  for (const auto& c : kCases)
    EXPECT_EQ(RcQuote(c.pszText), c.pszQuoted) << c.pszText;
}

void CollectString(UINT nID, const char* pszText, void* pv) {
  static_cast<std::vector<std::pair<UINT, std::string>>*>(pv)->emplace_back(
      nID, pszText);
}

TEST(RcStringTable, HoldsEveryStringOnceWithItsNumber) {
  std::vector<std::pair<UINT, std::string>> strings;
  ForEachResString(CollectString, &strings);
  ASSERT_FALSE(strings.empty());

  const std::string strTable = RcStringTable();
  ASSERT_EQ(strTable.rfind("STRINGTABLE\nBEGIN\n", 0), 0u);
  ASSERT_EQ(strTable.substr(strTable.size() - 4), "END\n");
  for (const auto& entry : strings) {
    const std::string strLine = "  " + std::to_string(entry.first) + ", " +
                                RcQuote(entry.second) + "\n";
    EXPECT_NE(strTable.find(strLine), std::string::npos) << entry.first;
  }
  // Nothing else between BEGIN and END: one line per string.
  size_t nLines = 0;
  for (char ch : strTable) nLines += ch == '\n';
  EXPECT_EQ(nLines, strings.size() + 3);
}

TEST(RcResourceScript, NamesEveryResourceOfTheProgram) {
  const std::string strScript = RcResourceScript();
  for (const char* pszStatement :
       {"#pragma code_page(1252)\n", "101 ICON \"main101.ico\"\n",
        "105 BITMAP \"splash105.bmp\"\n", "211 BITMAP \"logo211.bmp\"\n",
        "STRINGTABLE\n", "1 VERSIONINFO\n", "FILEVERSION 5,20,0,4\n"})
    EXPECT_NE(strScript.find(pszStatement), std::string::npos) << pszStatement;
  EXPECT_NE(strScript.find(RcQuote(LoadResString(IDS_APP_TITLE))),
            std::string::npos);
}
}  // namespace
