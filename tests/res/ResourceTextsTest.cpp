// The string table and the dialog templates against what is written down
// apart from src/res (tests/data/Strings.txt, Dialogs.txt): a text, a
// number or a control's place changed there fails here.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "fw/DialogTemplate.h"
#include "fw/StringTable.h"

namespace {
// \n, \r, \", \\ and \xNN as the files write them.
std::string Unescaped(const std::string& strText) {
  std::string out;
  for (size_t i = 0; i < strText.size(); ++i) {
    if (strText[i] != '\\' || i + 1 == strText.size()) {
      out += strText[i];
      continue;
    }
    const char ch = strText[++i];
    if (ch == 'x' && i + 2 < strText.size()) {
      out +=
          static_cast<char>(std::stoi(strText.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      out += ch == 'n' ? '\n' : ch == 'r' ? '\r' : ch;
    }
  }
  return out;
}

// The lines of a file of tests/data, comments left out, split at '|'.
std::vector<std::vector<std::string>> DataLines(const char* pszName) {
  std::ifstream in(std::string(QUORREL_SOURCE_DIR) + "/tests/data/" + pszName);
  std::vector<std::vector<std::string>> lines;
  std::string strLine;
  while (std::getline(in, strLine)) {
    if (strLine.empty() || strLine[0] == '#') continue;
    std::vector<std::string> fields;
    size_t nStart = 0;
    for (size_t nBar; (nBar = strLine.find('|', nStart)) != std::string::npos;
         nStart = nBar + 1)
      fields.push_back(strLine.substr(nStart, nBar - nStart));
    fields.push_back(strLine.substr(nStart));
    lines.push_back(fields);
  }
  return lines;
}

TEST(ResourceTextsTest, EveryWrittenDownStringIsTheTablesUnderItsNumber) {
  size_t nChecked = 0;
  std::ifstream in(std::string(QUORREL_SOURCE_DIR) + "/tests/data/Strings.txt");
  std::string strLine;
  while (std::getline(in, strLine)) {
    // The text may hold '|': only the first one separates.
    if (strLine.empty() || strLine[0] == '#') continue;
    const size_t nBar = strLine.find('|');
    const UINT nID = static_cast<UINT>(std::stoul(strLine.substr(0, nBar)));
    SCOPED_TRACE(nID);
    EXPECT_EQ(Unescaped(strLine.substr(nBar + 1)), LoadResString(nID));
    ++nChecked;
  }
  EXPECT_EQ(65u, nChecked);
}

const CDlgItemTemplate* FindItem(const CDialogTemplate& dlg,
                                 const std::string& strID,
                                 const std::string& strText) {
  for (size_t i = 0; i < dlg.nItems; ++i) {
    const CDlgItemTemplate& item = dlg.pItems[i];
    if (strID == "none" ? item.nID == IDC_STATIC && strText == item.pszText
                        : item.nID == std::stoul(strID))
      return &item;
  }
  return nullptr;
}

TEST(ResourceTextsTest, EveryWrittenDownControlIsInItsDialogAsWritten) {
  const auto lines = DataLines("Dialogs.txt");
  EXPECT_EQ(66u, lines.size());
  for (const auto& fields : lines) {
    ASSERT_EQ(4u, fields.size());
    SCOPED_TRACE(fields[0] + " " + fields[1] + " " + fields[2]);
    const CDialogTemplate* pDlg = FindDialogTemplate(std::stoul(fields[0]));
    ASSERT_NE(nullptr, pDlg);
    const std::string strText = Unescaped(fields[2]);
    const CDlgItemTemplate* pItem = FindItem(*pDlg, fields[1], strText);
    ASSERT_NE(nullptr, pItem);
    EXPECT_EQ(strText, pItem->pszText ? pItem->pszText : "");
    char szPlace[64];
    std::snprintf(szPlace, sizeof(szPlace), "%d,%d,%d,%d", pItem->x, pItem->y,
                  pItem->cx, pItem->cy);
    EXPECT_EQ(fields[3], szPlace);
  }
}
}  // namespace
