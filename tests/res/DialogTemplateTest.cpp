// The dialog templates and the menu as data: every dialog the program
// opens is there, IDs are unique per dialog, controls lie inside their
// dialog, and the form keeps its screen order apart from its tab order.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "fw/DialogTemplate.h"
#include "fw/MenuTemplate.h"
#include "res/Resource.h"

namespace {

TEST(DialogTemplateTest, EveryDialogOfTheProgramIsThere) {
  const struct {
    UINT nID;
    const char* pszCaption;
    short cx, cy;
    const char* pszFont;
    WORD wPoint;
    size_t nItems;
  } expected[] = {
      {IDD_FORM, "", 320, 160, "MS Sans Serif", 8, 4},
      {IDD_ABOUTBOX, "About Tessarine Registry Update Utility For Windows NT",
       246, 123, "Arial", 10, 15},
      {IDD_CUSTOMIZATIONS, "Registry Customizations", 306, 151, "MS Sans Serif",
       8, 4},
      {IDD_INTERRUPTS, "Registry Customizations - Interrupts", 324, 197,
       "MS Sans Serif", 8, 15},
      {IDD_CARD_CONFIG, "Registry Customizations - PC Card Configuration", 324,
       246, "MS Sans Serif", 8, 21},
      {IDD_MISC, "Registry Customizations - Miscellaneous", 324, 97,
       "MS Sans Serif", 8, 6},
      {IDD_REPAIRS, "Registry Repairs", 306, 114, "MS Sans Serif", 8, 3},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.nID);
    const CDialogTemplate* pDlg = FindDialogTemplate(e.nID);
    ASSERT_NE(nullptr, pDlg);
    EXPECT_STREQ(e.pszCaption, pDlg->pszCaption);
    EXPECT_EQ(e.cx, pDlg->cx);
    EXPECT_EQ(e.cy, pDlg->cy);
    EXPECT_STREQ(e.pszFont, pDlg->pszFont);
    EXPECT_EQ(e.wPoint, pDlg->wPointSize);
    EXPECT_EQ(e.nItems, pDlg->nItems);
  }
  EXPECT_EQ(nullptr, FindDialogTemplate(101));
}

TEST(DialogTemplateTest, ControlIdsAreUniqueAndControlsFitTheirDialog) {
  ForEachDialogTemplate(
      [](const CDialogTemplate& dlg, void*) {
        SCOPED_TRACE(dlg.nID);
        std::set<UINT> ids;
        for (size_t i = 0; i < dlg.nItems; ++i) {
          const CDlgItemTemplate& item = dlg.pItems[i];
          if (item.nID != IDC_STATIC) {
            EXPECT_TRUE(ids.insert(item.nID).second);
          }
          EXPECT_TRUE(item.dwStyle & WS_VISIBLE);
          EXPECT_LE(item.x + item.cx, dlg.cx) << item.nID;
          // A drop-down list's height is its opened list's.
          if (item.ctlClass != CtlClass::ComboBox) {
            EXPECT_LE(item.y + item.cy, dlg.cy) << item.nID;
          }
        }
      },
      nullptr);
}

TEST(DialogTemplateTest, FormTabOrderVisitsClearBeforeRepairs) {
  const CDialogTemplate& form = *FindDialogTemplate(IDD_FORM);
  std::vector<UINT> tabOrder;
  for (size_t i = 0; i < form.nItems; ++i) {
    EXPECT_TRUE(form.pItems[i].dwStyle & WS_TABSTOP);
    tabOrder.push_back(form.pItems[i].nID);
  }
  EXPECT_EQ((std::vector<UINT>{IDC_UPDATE_REGISTRY, IDC_REGISTRY_CUSTOMIZATIONS,
                               IDC_CLEAR_REGISTRY, IDC_REGISTRY_REPAIRS}),
            tabOrder);
  std::vector<const CDlgItemTemplate*> screen;
  for (size_t i = 0; i < form.nItems; ++i) screen.push_back(&form.pItems[i]);
  std::sort(screen.begin(), screen.end(),
            [](auto* a, auto* b) { return a->y < b->y; });
  std::vector<std::string> texts;
  for (auto* pItem : screen) texts.push_back(pItem->pszText);
  EXPECT_EQ((std::vector<std::string>{
                "Update Registry", "Registry Customizations...",
                "Registry Repairs...", "Clear Registry && Delete Files"}),
            texts);
}

TEST(DialogTemplateTest, RadioGroupsStartWhereTheTablesSay) {
  const struct {
    UINT nDialog;
    std::vector<UINT> radiosInTemplateOrder;
  } groups[] = {
      {IDD_INTERRUPTS, {1139, 1138, 1140}},
      {IDD_CARD_CONFIG, {1148, 1149, 1150, 1151}},
  };
  for (const auto& g : groups) {
    SCOPED_TRACE(g.nDialog);
    const CDialogTemplate& dlg = *FindDialogTemplate(g.nDialog);
    std::vector<UINT> radios;
    for (size_t i = 0; i < dlg.nItems; ++i) {
      const CDlgItemTemplate& item = dlg.pItems[i];
      if ((item.dwStyle & BS_TYPEMASK) != BS_AUTORADIOBUTTON ||
          item.ctlClass != CtlClass::Button)
        continue;
      // Only the first starts the group and is a tab stop.
      const bool bFirst = radios.empty();
      EXPECT_EQ(bFirst, (item.dwStyle & WS_GROUP) != 0) << item.nID;
      EXPECT_EQ(bFirst, (item.dwStyle & WS_TABSTOP) != 0) << item.nID;
      radios.push_back(item.nID);
      // The control after the group starts a new one.
      if (radios.size() == g.radiosInTemplateOrder.size()) {
        EXPECT_TRUE(dlg.pItems[i + 1].dwStyle & WS_GROUP);
      }
    }
    EXPECT_EQ(g.radiosInTemplateOrder, radios);
  }
}

TEST(DialogTemplateTest, ComboEntriesAreSortedAndFormatted) {
  const CDialogTemplate& dlg = *FindDialogTemplate(IDD_CARD_CONFIG);
  const CDlgItemTemplate* pStart = FindDialogItem(dlg, IDC_ALLOCATION_START);
  ASSERT_NE(nullptr, pStart);
  std::vector<std::string> entries;
  for (const char* const* pp = pStart->ppszInitItems; *pp; ++pp)
    entries.push_back(*pp);
  ASSERT_EQ(32u, entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    char szExpected[8];
    std::snprintf(szExpected, sizeof(szExpected), "%05X",
                  static_cast<unsigned>(0xC0000 + i * 0x1000));
    EXPECT_EQ(szExpected, entries[i]);
  }
  EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end()));
}

TEST(DialogTemplateTest, MainMenuOffersExitAndAbout) {
  const CMenuTemplate* pMenu = FindMenuTemplate(IDR_MAINFRAME);
  ASSERT_NE(nullptr, pMenu);
  ASSERT_EQ(2u, pMenu->nPopups);
  EXPECT_STREQ("&File", pMenu->pPopups[0].pszText);
  EXPECT_STREQ("E&xit", pMenu->pPopups[0].pItems[0].pszText);
  EXPECT_EQ(57665u, pMenu->pPopups[0].pItems[0].nID);
  EXPECT_STREQ("&Help", pMenu->pPopups[1].pszText);
  EXPECT_STREQ("&About Registry Update...",
               pMenu->pPopups[1].pItems[0].pszText);
  EXPECT_EQ(57664u, pMenu->pPopups[1].pItems[0].nID);
}

}  // namespace
