// The framework's lookups see exactly the tables installed: the first entry
// of a string number wins, strings come in ascending order across sections,
// and without tables nothing is found.
#include <gtest/gtest.h>

#include <vector>

#include "fw/DialogTemplate.h"
#include "fw/MenuTemplate.h"
#include "fw/ResourceTables.h"
#include "fw/StringTable.h"
#include "res/Resource.h"

namespace {
TEST(ResourceTablesTest, LookupsSeeOnlyTheInstalledTables) {
  const CStringResource kFirst[] = {{7, "seven"}, {3, "three"}};
  const CStringResource kSecond[] = {{5, "five"}, {7, "another seven"}};
  const CStringTableSection kSectionA = {kFirst, 2};
  const CStringTableSection kSectionB = {kSecond, 2};
  const CStringTableSection* const kSections[] = {&kSectionA, &kSectionB};
  const CDialogTemplate kDialog = {42, "", 0, 10, 10, "", 8, nullptr, 0};
  const CDialogTemplate* const kDialogs[] = {&kDialog};
  const CResourceTables kTables = {kSections, 2, kDialogs, 1,
                                   nullptr,   0, nullptr,  0};
  const CResourceTables& previous = AfxSetResourceTables(kTables);

  EXPECT_EQ("seven", LoadResString(7));
  std::vector<UINT> ids;
  ForEachResString(
      [](UINT nID, const char*, void* pv) {
        static_cast<std::vector<UINT>*>(pv)->push_back(nID);
      },
      &ids);
  EXPECT_EQ((std::vector<UINT>{3, 5, 7}), ids);
  EXPECT_EQ(&kDialog, FindDialogTemplate(42));
  EXPECT_EQ(nullptr, FindDialogTemplate(IDD_FORM));
  EXPECT_EQ(nullptr, FindMenuTemplate(IDR_MAINFRAME));

  const CResourceTables kNone = {};
  AfxSetResourceTables(kNone);
  EXPECT_FALSE(HasResString(7));
  EXPECT_EQ(nullptr, FindDialogTemplate(42));
  AfxSetResourceTables(previous);
}
}  // namespace
