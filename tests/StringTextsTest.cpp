// The string table against the texts written down apart from src/res
// (tests/data/Strings.txt): a text changed, or moved to another number,
// fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "fw/StringTable.h"

namespace {
// \n, \r, \" and \\ as the file writes them.
std::string Unescaped(const std::string& strText) {
  std::string out;
  for (size_t i = 0; i < strText.size(); ++i) {
    if (strText[i] != '\\' || i + 1 == strText.size()) {
      out += strText[i];
      continue;
    }
    const char ch = strText[++i];
    out += ch == 'n' ? '\n' : ch == 'r' ? '\r' : ch;
  }
  return out;
}

TEST(StringTextsTest, EveryWrittenDownTextIsTheTablesUnderItsNumber) {
  std::ifstream in(std::string(QUORREL_SOURCE_DIR) + "/tests/data/Strings.txt");
  size_t nChecked = 0;
  std::string strLine;
  while (std::getline(in, strLine)) {
    if (strLine.empty() || strLine[0] == '#') continue;
    const size_t nBar = strLine.find('|');
    const UINT nID = static_cast<UINT>(std::stoul(strLine.substr(0, nBar)));
    SCOPED_TRACE(nID);
    EXPECT_EQ(Unescaped(strLine.substr(nBar + 1)), LoadResString(nID));
    ++nChecked;
  }
  EXPECT_EQ(65u, nChecked);
}
}  // namespace
