#include <gtest/gtest.h>

#include "custom/CardConfigDlg.h"
#include "custom/SettingsKeys.h"
#include "fw/ComboBox.h"
#include "res/CustomStringIds.h"
#include "res/Resource.h"
#include "support/BusyProbeRegistry.h"
#include "support/RegistryTestUtil.h"
#include "support/ScriptedUi.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
const UINT kStartControls[] = {IDC_ALLOCATION_START, IDC_ALLOCATION_START_LABEL,
                               IDC_MORE_ALLOCATION_START};

class CardConfigDlgTest : public ::testing::Test {
 protected:
  CardConfigDlgTest() {
    CPlatform platform = Platform();
    platform.pRegistry = &m_registry;
    SetPlatform(platform);
  }
  static std::string Selected(CDialog& dlg, UINT nID) {
    auto* pCombo = static_cast<CComboBox*>(dlg.GetDlgItem(nID));
    return pCombo->GetCurSel() == CB_ERR
               ? std::string("(none)")
               : pCombo->GetLBText(pCombo->GetCurSel());
  }
  static void ExpectStartEnabled(CDialog& dlg, BOOL bEnabled) {
    for (UINT nID : kStartControls) {
      SCOPED_TRACE(nID);
      EXPECT_EQ(bEnabled, dlg.GetDlgItem(nID)->IsWindowEnabled());
      EXPECT_TRUE(dlg.GetDlgItem(nID)->IsWindowVisible());
    }
  }
  DWORD Kestan(const char* pszValue) {
    return ReadRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, pszValue);
  }
  DWORD Dovrel(const char* pszValue) {
    return ReadRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey, pszValue);
  }
  void AddRange(const std::string& strName, DWORD dwStart, DWORD dwEnd) {
    const std::string strPath =
        std::string(kPortExclusionsKey) + "\\" + strName;
    WriteRegDword(HKEY_LOCAL_MACHINE, strPath, "Start", dwStart);
    WriteRegDword(HKEY_LOCAL_MACHINE, strPath, "End", dwEnd);
  }

  CTestPlatform m_platform;
  CBusyProbeRegistry m_registry;
  CScriptedUi m_ui{m_platform};
};

TEST_F(CardConfigDlgTest, EmptyRegistryOpensWithTheDefaultsAndOkWritesThem) {
  CCardConfigDlg dlg;
  m_ui.ExpectDialog(IDD_CARD_CONFIG)
      .Do([&] {
        EXPECT_EQ(int(IDC_PCI_CIS_AND_DRIVERS),
                  dlg.GetCheckedRadioButton(IDC_ISA_ONLY, IDC_PCI_ALWAYS));
        EXPECT_EQ(BST_UNCHECKED, dlg.IsDlgButtonChecked(IDC_MODEM_AT_BOOT));
        EXPECT_EQ(BST_UNCHECKED, dlg.IsDlgButtonChecked(IDC_PORT_OVERRIDE));
        EXPECT_EQ("4", Selected(dlg, IDC_RESERVED_WINDOWS));
        EXPECT_EQ("D8000", Selected(dlg, IDC_ALLOCATION_START));
        ExpectStartEnabled(dlg, TRUE);
      })
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(2u, Dovrel("R2Configuration"));
  EXPECT_EQ(0u, Dovrel("CnfgModemAtBoot"));
  EXPECT_EQ(4u, Kestan("NumReservedMemoryWindows"));
  EXPECT_EQ(0xD8000u, Kestan("AllocationStart"));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kPortExclusionsKey));
  EXPECT_EQ(
      (std::vector<std::string>{"R2Configuration", "CnfgModemAtBoot",
                                "NumReservedMemoryWindows", "AllocationStart"}),
      m_registry.Values());
  EXPECT_TRUE(m_registry.AllBusy());
  EXPECT_EQ(0u, QuorrelApp().m_nBusyCount);
}

TEST_F(CardConfigDlgTest, OpensWithEachStoredValue) {
  struct {
    const char* pszCase;
    DWORD dwR2, dwWindows, dwStart;  // kRegDwordMissing: no value
    UINT nRadio;
    const char* pszWindows;
    const char* pszStart;
  } cases[] = {
      {"ISA", 0, 1, 0xC0000, IDC_ISA_ONLY, "1", "C0000"},
      {"CIS only", 1, 9, 0xDF000, IDC_PCI_CIS_ONLY, "9", "DF000"},
      {"always PCI, rounded start", 3, 2, 0xC8800, IDC_PCI_ALWAYS, "2",
       "C8000"},
      {"stored missing answers", 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
       IDC_PCI_CIS_AND_DRIVERS, "4", "D8000"},
      {"out of range: defaults", 4, 10, 0xE0000, IDC_PCI_CIS_AND_DRIVERS, "4",
       "D8000"},
      {"below the list: default", 2, 3, 0xA0000, IDC_PCI_CIS_AND_DRIVERS, "3",
       "D8000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszCase);
    WriteRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey, "R2Configuration",
                  c.dwR2);
    WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey,
                  "NumReservedMemoryWindows", c.dwWindows);
    WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "AllocationStart",
                  c.dwStart);
    CCardConfigDlg dlg;
    m_ui.Do([&] {
          EXPECT_EQ(int(c.nRadio),
                    dlg.GetCheckedRadioButton(IDC_ISA_ONLY, IDC_PCI_ALWAYS));
          EXPECT_EQ(c.pszWindows, Selected(dlg, IDC_RESERVED_WINDOWS));
          EXPECT_EQ(c.pszStart, Selected(dlg, IDC_ALLOCATION_START));
        })
        .Click(IDCANCEL);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
  }
}

TEST_F(CardConfigDlgTest, OutOfRangeValuesAreWrittenBackAsTheDefaults) {
  WriteRegDword(HKEY_LOCAL_MACHINE, kDovrelSystemKey, "R2Configuration", 9);
  WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey,
                "NumReservedMemoryWindows", 12);
  WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "AllocationStart",
                0xF0000);
  CCardConfigDlg dlg;
  m_ui.Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(2u, Dovrel("R2Configuration"));
  EXPECT_EQ(4u, Kestan("NumReservedMemoryWindows"));
  EXPECT_EQ(0xD8000u, Kestan("AllocationStart"));
}

TEST_F(CardConfigDlgTest, NoWindowsGreysTheStartAddressAndKeepsIt) {
  WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey,
                "NumReservedMemoryWindows", 0);
  WriteRegDword(HKEY_LOCAL_MACHINE, kKestanParametersKey, "AllocationStart",
                0xC8800);
  CCardConfigDlg dlg;
  m_ui.Do([&] {
        EXPECT_EQ("0", Selected(dlg, IDC_RESERVED_WINDOWS));
        ExpectStartEnabled(dlg, FALSE);
      })
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(0u, Kestan("NumReservedMemoryWindows"));
  EXPECT_EQ(0xC8800u, Kestan("AllocationStart"));
}

TEST_F(CardConfigDlgTest, ChoosingWindowsEnablesTheStartAddressAgain) {
  CCardConfigDlg dlg;
  m_ui.Select(IDC_RESERVED_WINDOWS, 0)
      .Do([&] { ExpectStartEnabled(dlg, FALSE); })
      .Select(IDC_RESERVED_WINDOWS, 6)
      .Do([&] {
        ExpectStartEnabled(dlg, TRUE);
        EXPECT_EQ("D8000", Selected(dlg, IDC_ALLOCATION_START));
      })
      .Select(IDC_ALLOCATION_START, 8)
      .Click(IDC_ISA_ONLY)
      .Click(IDC_MODEM_AT_BOOT)
      .Click(IDOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(0u, Dovrel("R2Configuration"));
  EXPECT_EQ(1u, Dovrel("CnfgModemAtBoot"));
  EXPECT_EQ(6u, Kestan("NumReservedMemoryWindows"));
  EXPECT_EQ(0xC8000u, Kestan("AllocationStart"));
}

TEST_F(CardConfigDlgTest, PortOverrideRoundTripBesideExistingRanges) {
  AddRange("0", 0x3F8, 0x3FF);
  AddRange("1", 0x2F8, 0x2FF);
  const std::string strPath = std::string(kPortExclusionsKey) + "\\2";
  {
    CCardConfigDlg dlg;
    m_ui.Do([&] {
          EXPECT_EQ(BST_UNCHECKED, dlg.IsDlgButtonChecked(IDC_PORT_OVERRIDE));
        })
        .Click(IDC_PORT_OVERRIDE)
        .Click(IDOK);
    EXPECT_EQ(IDOK, dlg.DoModal());
  }
  EXPECT_EQ(0u, ReadRegDword(HKEY_LOCAL_MACHINE, strPath, "Start"));
  EXPECT_EQ(0x200u, ReadRegDword(HKEY_LOCAL_MACHINE, strPath, "End"));
  {
    CCardConfigDlg dlg;
    m_ui.Do([&] {
          EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(IDC_PORT_OVERRIDE));
        })
        .Click(IDC_PORT_OVERRIDE)
        .Click(IDOK);
    EXPECT_EQ(IDOK, dlg.DoModal());
  }
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, strPath));
  EXPECT_EQ(0x3FFu,
            ReadRegDword(HKEY_LOCAL_MACHINE,
                         std::string(kPortExclusionsKey) + "\\0", "End"));
  EXPECT_EQ(0x2FFu,
            ReadRegDword(HKEY_LOCAL_MACHINE,
                         std::string(kPortExclusionsKey) + "\\1", "End"));
}

TEST_F(CardConfigDlgTest, CancelWritesNothingAndLeavesTheList) {
  AddRange("0", 0, 0x200);
  const std::string strBefore = DumpRegistryTree(HKEY_LOCAL_MACHINE, "System");
  m_registry.m_writes.clear();
  CCardConfigDlg dlg;
  m_ui.Click(IDC_PORT_OVERRIDE)
      .Select(IDC_RESERVED_WINDOWS, 0)
      .Click(IDC_ISA_ONLY)
      .Click(IDCANCEL);
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_TRUE(m_registry.m_writes.empty());
  EXPECT_EQ(strBefore, DumpRegistryTree(HKEY_LOCAL_MACHINE, "System"));
}

TEST_F(CardConfigDlgTest, SlotSurveyButton) {
  WriteRegDword(HKEY_LOCAL_MACHINE,
                "HARDWARE\\DeviceMap\\PCMCIA\\Slot0\\DataBase",
                "32BitR2MemoryWindows", 1);
  WriteRegDword(HKEY_LOCAL_MACHINE,
                "HARDWARE\\DeviceMap\\PCMCIA\\Slot1\\DataBase",
                "32BitR2MemoryWindows", 0);
  CCardConfigDlg dlg;
  m_ui.Click(IDC_MORE_RESERVED_WINDOWS).Click(IDCANCEL);
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  ASSERT_EQ((std::vector<UINT>{IDS_MORE_RESERVED_WINDOWS, IDS_SLOT_SURVEY}),
            m_platform.m_user.BoxIds());
  EXPECT_EQ(0u, m_platform.m_user.m_boxes[1].strText.find(
                    "2 PC Card slots have been detected.  1 of the 2 slots"));
}

TEST_F(CardConfigDlgTest, MoreInformationButtons) {
  CCardConfigDlg dlg;
  m_ui.Click(IDC_MORE_ISA_ONLY)
      .Click(IDC_MORE_PCI_CIS_ONLY)
      .Click(IDC_MORE_PCI_CIS_AND_DRIVERS)
      .Click(IDC_MORE_PCI_ALWAYS)
      .Click(IDC_MORE_MODEM_AT_BOOT)
      .Click(IDC_MORE_PORT_OVERRIDE)
      .Click(IDC_MORE_ALLOCATION_START)
      .Click(IDC_MORE_RESERVED_WINDOWS)
      .Click(IDCANCEL);
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ(
      (std::vector<UINT>{IDS_MORE_ISA_ONLY, IDS_MORE_PCI_CIS_ONLY,
                         IDS_MORE_PCI_CIS_AND_DRIVERS, IDS_MORE_PCI_ALWAYS,
                         IDS_MORE_MODEM_AT_BOOT, IDS_MORE_PORT_OVERRIDE,
                         IDS_MORE_ALLOCATION_START, IDS_MORE_RESERVED_WINDOWS}),
      m_platform.m_user.BoxIds());
  for (const auto& box : m_platform.m_user.m_boxes)
    EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), box.uType);
}
}  // namespace
