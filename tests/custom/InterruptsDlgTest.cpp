#include <gtest/gtest.h>

#include "custom/InterruptsDlg.h"
#include "custom/SettingsKeys.h"
#include "res/CustomStringIds.h"
#include "res/Resource.h"
#include "support/BusyProbeRegistry.h"
#include "support/RegistryTestUtil.h"
#include "support/ScriptedUi.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
const UINT kGroup[] = {
    IDC_SHARING_GROUP,     IDC_SHARE_SINGLE_ISA,      IDC_SHARE_PCI,
    IDC_DIFFERENT_ISA,     IDC_MORE_SHARE_SINGLE_ISA, IDC_MORE_SHARE_PCI,
    IDC_MORE_DIFFERENT_ISA};

class InterruptsDlgTest : public ::testing::Test {
 protected:
  InterruptsDlgTest() {
    CPlatform platform = Platform();
    platform.pRegistry = &m_registry;
    SetPlatform(platform);
  }
  static void ExpectGroupEnabled(CDialog& dlg, BOOL bEnabled) {
    for (UINT nID : kGroup) {
      SCOPED_TRACE(nID);
      ASSERT_NE(nullptr, dlg.GetDlgItem(nID));
      EXPECT_EQ(bEnabled, dlg.GetDlgItem(nID)->IsWindowEnabled());
    }
    // The "all cards" box and its explanation stay usable.
    EXPECT_TRUE(dlg.GetDlgItem(IDC_ALL_CARDS_SHARE_PCI)->IsWindowEnabled());
    EXPECT_TRUE(
        dlg.GetDlgItem(IDC_MORE_ALL_CARDS_SHARE_PCI)->IsWindowEnabled());
  }
  DWORD ShareIrq() {
    return ReadRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "ShareIRQ");
  }

  CTestPlatform m_platform;
  CBusyProbeRegistry m_registry;
  CScriptedUi m_ui{m_platform};
};

TEST_F(InterruptsDlgTest, OpensWithTheStoredSharingMode) {
  struct {
    const char* pszCase;
    DWORD dwStored;  // kRegDwordMissing: no value
    UINT nRadio;
    UINT nAllCards;
  } cases[] = {
      {"missing", kRegDwordMissing, IDC_SHARE_PCI, BST_UNCHECKED},
      {"0xFFFFFFFF", 0xFFFFFFFF, IDC_SHARE_PCI, BST_UNCHECKED},
      {"0", 0, IDC_SHARE_SINGLE_ISA, BST_UNCHECKED},
      {"1", 1, IDC_SHARE_PCI, BST_UNCHECKED},
      {"2", 2, IDC_DIFFERENT_ISA, BST_UNCHECKED},
      {"3", 3, IDC_SHARE_PCI, BST_CHECKED},
      {"7: the default", 7, IDC_SHARE_PCI, BST_UNCHECKED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszCase);
    if (c.dwStored == kRegDwordMissing)
      DeleteRegValue(HKEY_LOCAL_MACHINE, kKestanParametersKey, "ShareIRQ");
    else
      WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "ShareIRQ",
                    c.dwStored);
    CInterruptsDlg dlg;
    m_ui.Do([&] {
          EXPECT_EQ(int(c.nRadio),
                    dlg.GetCheckedRadioButton(IDC_SHARE_SINGLE_ISA,
                                              IDC_DIFFERENT_ISA));
          EXPECT_EQ(c.nAllCards,
                    dlg.IsDlgButtonChecked(IDC_ALL_CARDS_SHARE_PCI));
          ExpectGroupEnabled(dlg, c.nAllCards == BST_UNCHECKED);
          EXPECT_EQ(BST_UNCHECKED,
                    dlg.IsDlgButtonChecked(IDC_EXCLUDE_IRQ12_TO_15));
          EXPECT_EQ(BST_UNCHECKED,
                    dlg.IsDlgButtonChecked(IDC_EXCLUDE_PCI_IRQS));
        })
        .Click(IDCANCEL);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
  }
}

TEST_F(InterruptsDlgTest, OkOnAnEmptyRegistryWritesTheDefaults) {
  CInterruptsDlg dlg;
  m_ui.Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(0u, ReadRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey,
                             "EnableSpecialIrqMask"));
  EXPECT_EQ(1u, ShareIrq());
  EXPECT_EQ(0u, ReadRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                             "ExcludePciIrqsFromIsaIrqMask"));
  EXPECT_EQ((std::vector<std::string>{"EnableSpecialIrqMask", "ShareIRQ",
                                      "ExcludePciIrqsFromIsaIrqMask"}),
            m_registry.Values());
  EXPECT_TRUE(m_registry.AllBusy());
  EXPECT_EQ(0u, QuorrelApp().m_nBusyCount);
}

TEST_F(InterruptsDlgTest, AllCardsBoxGreysTheGroupAndKeepsTheRadio) {
  CInterruptsDlg dlg;
  m_ui.Click(IDC_DIFFERENT_ISA)
      .Click(IDC_ALL_CARDS_SHARE_PCI)
      .Do([&] { ExpectGroupEnabled(dlg, FALSE); })
      .Click(IDC_ALL_CARDS_SHARE_PCI)
      .Do([&] {
        ExpectGroupEnabled(dlg, TRUE);
        EXPECT_EQ(
            int(IDC_DIFFERENT_ISA),
            dlg.GetCheckedRadioButton(IDC_SHARE_SINGLE_ISA, IDC_DIFFERENT_ISA));
      })
      .Click(IDC_ALL_CARDS_SHARE_PCI)
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(3u, ShareIrq());

  CInterruptsDlg again;  // opens greyed, from the 3 just written
  m_ui.Do([&] { ExpectGroupEnabled(again, FALSE); })
      .Click(IDC_ALL_CARDS_SHARE_PCI)
      .Click(IDC_DIFFERENT_ISA)
      .Click(IDOK);
  EXPECT_EQ(IDOK, again.DoModal());
  EXPECT_EQ(2u, ShareIrq());
}

TEST_F(InterruptsDlgTest, ExclusionBoxesAreWrittenAsOneOrZero) {
  WriteRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey, "EnableSpecialIrqMask",
                5);
  CInterruptsDlg dlg;
  m_ui.Do([&] {
        EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(IDC_EXCLUDE_IRQ12_TO_15));
      })
      .Click(IDC_EXCLUDE_PCI_IRQS)
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey,
                             "EnableSpecialIrqMask"));
  EXPECT_EQ(1u, ReadRegDword(HKEY_LOCAL_MACHINE, kBrannicParametersKey,
                             "ExcludePciIrqsFromIsaIrqMask"));
}

TEST_F(InterruptsDlgTest, CancelWritesNothing) {
  CInterruptsDlg dlg;
  m_ui.Click(IDC_SHARE_SINGLE_ISA).Click(IDC_EXCLUDE_PCI_IRQS).Click(IDCANCEL);
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_TRUE(m_registry.m_writes.empty());
  EXPECT_EQ("", DumpRegistryTree(HKEY_LOCAL_MACHINE, "System"));
}

TEST_F(InterruptsDlgTest, MoreInformationButtons) {
  CInterruptsDlg dlg;
  m_ui.Click(IDC_MORE_SHARE_PCI)
      .Click(IDC_MORE_SHARE_SINGLE_ISA)
      .Click(IDC_MORE_DIFFERENT_ISA)
      .Click(IDC_MORE_ALL_CARDS_SHARE_PCI)
      .Click(IDC_MORE_EXCLUDE_IRQ12_TO_15)
      .Click(IDC_MORE_EXCLUDE_PCI_IRQS)
      .Click(IDCANCEL);
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ((std::vector<UINT>{
                IDS_MORE_SHARE_PCI, IDS_MORE_SHARE_SINGLE_ISA,
                IDS_MORE_DIFFERENT_ISA, IDS_MORE_ALL_CARDS_SHARE_PCI,
                IDS_MORE_EXCLUDE_IRQ12_TO_15, IDS_MORE_EXCLUDE_PCI_IRQS}),
            m_platform.m_user.BoxIds());
  for (const auto& box : m_platform.m_user.m_boxes)
    EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), box.uType);
}
}  // namespace
