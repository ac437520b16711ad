#include <gtest/gtest.h>

#include "clear/ServiceKeys.h"
#include "support/RegistryTestUtil.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"
#include "update/GroupOrderList.h"

namespace {
const std::string kServices = "System\\CurrentControlSet\\Services\\";
const std::string kProfiles = "System\\CurrentControlSet\\Hardware Profiles\\";
const char kSbe[] = "System Bus Extender";

const char* const kAllSuiteServices[] = {
    "Velcor", "Brannic", "Kestan", "Dovrel", "Pellin",
    "Mirrow", "Quesk",   "Tallum", "Orvik",  "Trevant",
    "Pellix", "Gorvan",  "Yurrin", "Fennet", "Sidrel"};

class ServiceKeysTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
  CRegistryTally m_tally;

  void AddService(const std::string& strBase, const std::string& strName,
                  const std::string& strGroup, DWORD dwTag) {
    const std::string strKey = strBase + strName;
    WriteRegDword(HKEY_LOCAL_MACHINE, strKey, "Start", 1);
    WriteRegDword(HKEY_LOCAL_MACHINE, strKey + "\\Parameters", "Level", 2);
    if (!strGroup.empty())
      WriteRegString(HKEY_LOCAL_MACHINE, strKey, "Group", strGroup);
    if (dwTag != kRegDwordMissing)
      WriteRegDword(HKEY_LOCAL_MACHINE, strKey, "Tag", dwTag);
  }
  CBytes List(const char* pszGroup) {
    DWORD dwType = 0;
    CBytes bytes;
    GetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey, pszGroup, &dwType,
                &bytes);
    return bytes;
  }
  std::string ProfileService(const std::string& strProfile,
                             const std::string& strService) {
    return kProfiles + strProfile + "\\System\\CurrentControlSet\\Services\\" +
           strService;
  }
};

TEST_F(ServiceKeysTest, AWholeInstallationLeavesOnlyWindowsOwnServices) {
  // Tags 1..9 for the core drivers; Dovrel and Pellin load in other groups.
  DWORD dwTag = 1;
  for (const char* pszService : kAllSuiteServices) {
    const std::string strName = pszService;
    const char* pszGroup = strName == "Dovrel"   ? "Primary disk"
                           : strName == "Pellin" ? "SCSI miniport"
                           : dwTag <= 9          ? kSbe
                                                 : "";
    AddService(kServices, strName, pszGroup,
               dwTag <= 9 ? dwTag : kRegDwordMissing);
    ++dwTag;
  }
  AddService(kServices, "Pcmcia", kSbe, 20);
  AddService(kServices, "Isapnp", kSbe, 21);
  SetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey, kSbe, REG_BINARY,
              TagListBytes({21, 1, 2, 30, 3, 20, 6, 7, 8, 9}));
  SetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey, "Primary disk",
              REG_BINARY, TagListBytes({4, 40}));
  SetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey, "SCSI miniport",
              REG_BINARY, TagListBytes({5, 50}, {0x77}));
  for (const char* pszProfile : {"0001", "0002", "Current"})
    for (const char* pszService : kAllSuiteServices)
      AddService(kProfiles + pszProfile +
                     "\\System\\CurrentControlSet\\"
                     "Services\\",
                 pszService, "", kRegDwordMissing);
  AddService(ProfileService("0001", ""), "Pcmcia", "", kRegDwordMissing);
  // Another control set is not the running one and is not touched.
  AddService("System\\ControlSet002\\Services\\", "Velcor", kSbe, 1);
  const std::string strOtherSet =
      DumpRegistryTree(HKEY_LOCAL_MACHINE, "System\\ControlSet002");

  RemoveServiceKeys(m_tally);

  for (const char* pszService : kAllSuiteServices) {
    SCOPED_TRACE(pszService);
    const std::string strService = pszService;
    const bool bProfileCopyStays =
        strService == "Tallum" || strService == "Orvik";
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kServices + pszService));
    EXPECT_EQ(bProfileCopyStays, KeyExists(HKEY_LOCAL_MACHINE,
                                           ProfileService("0001", pszService)));
    EXPECT_EQ(bProfileCopyStays, KeyExists(HKEY_LOCAL_MACHINE,
                                           ProfileService("0002", pszService)));
    EXPECT_TRUE(
        KeyExists(HKEY_LOCAL_MACHINE, ProfileService("Current", pszService)));
  }
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kServices + "Pcmcia"));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, ProfileService("0001", "Pcmcia")));
  EXPECT_EQ(TagListBytes({21, 20}), List(kSbe));
  EXPECT_EQ(TagListBytes({40}), List("Primary disk"));
  EXPECT_EQ(TagListBytes({50}), List("SCSI miniport"));
  EXPECT_EQ(strOtherSet,
            DumpRegistryTree(HKEY_LOCAL_MACHINE, "System\\ControlSet002"));
  EXPECT_EQ(0u, m_platform.m_registry.OpenHandleCount());
}

TEST_F(ServiceKeysTest, WithoutTheSuiteOnlyOrphanTagsAndDemandStartCdromGo) {
  AddService(kServices, "Pcmcia", kSbe, 20);
  AddService(kServices, "Cdrom", "SCSI CDROM Class", 2);
  WriteRegDword(HKEY_LOCAL_MACHINE, kServices + "Cdrom", "Start", 3);
  WriteRegString(HKEY_LOCAL_MACHINE, kServices + "Cdrom", "ImagePath",
                 "System32\\DRIVERS\\cdrom.sys");
  SetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey, kSbe, REG_BINARY,
              TagListBytes({20, 31}));
  AddService(kProfiles + "0001\\System\\CurrentControlSet\\Services\\",
             "Pcmcia", "", kRegDwordMissing);
  const std::string strBefore = DumpRegistryTree(HKEY_LOCAL_MACHINE, "System");

  RemoveServiceKeys(m_tally);

  EXPECT_EQ(TagListBytes({20}), List(kSbe));
  EXPECT_EQ(4u, ReadRegDword(HKEY_LOCAL_MACHINE, kServices + "Cdrom", "Start"));
  // Undo the two expected changes: everything else must be as it was.
  SetRawValue(HKEY_LOCAL_MACHINE, kGroupOrderListKey, kSbe, REG_BINARY,
              TagListBytes({20, 31}));
  WriteRegDword(HKEY_LOCAL_MACHINE, kServices + "Cdrom", "Start", 3);
  EXPECT_EQ(strBefore, DumpRegistryTree(HKEY_LOCAL_MACHINE, "System"));
}

TEST_F(ServiceKeysTest, ImagePathsGetWindowsDriverBackOnlyWhereTheSuiteIs) {
  struct {
    const char* pszService;
    DWORD dwType;
    const char* pszBefore;
    DWORD dwTypeAfter;  // REG_EXPAND_SZ stays only when nothing is written
    const char* pszAfter;
  } cases[] = {
      {"Pcmcia", REG_EXPAND_SZ, "System32\\DRIVERS\\Wembic.sys", REG_SZ,
       "System32\\DRIVERS\\Pcmcia.sys"},
      {"Pcmcia", REG_EXPAND_SZ, "System32\\DRIVERS\\Pcmcia.sys", REG_EXPAND_SZ,
       "System32\\DRIVERS\\Pcmcia.sys"},
      {"Pcmcia", REG_SZ, "Wembic\\Wembic.sys", REG_SZ, "Pcmcia\\Wembic.sys"},
      {"Pcmcia", REG_EXPAND_SZ, "System32\\DRIVERS\\WEMBIC.SYS", REG_EXPAND_SZ,
       "System32\\DRIVERS\\WEMBIC.SYS"},
      {"Cdrom", REG_EXPAND_SZ, "System32\\DRIVERS\\Zandre.sys", REG_SZ,
       "System32\\DRIVERS\\Cdrom.sys"},
      {"Cdrom", REG_SZ, "\\SystemRoot\\Zandre.sys Zandre", REG_SZ,
       "\\SystemRoot\\Cdrom.sys Zandre"},
      {"Cdrom", REG_EXPAND_SZ, "System32\\DRIVERS\\Wembic.sys", REG_EXPAND_SZ,
       "System32\\DRIVERS\\Wembic.sys"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pszService) + " " + c.pszBefore);
    const std::string strText = c.pszBefore;
    SetRawValue(HKEY_LOCAL_MACHINE, kServices + c.pszService, "ImagePath",
                c.dwType, CBytes(strText.begin(), strText.end() + 1));
    RemoveServiceKeys(m_tally);
    DWORD dwType = 0;
    CBytes bytes;
    ASSERT_TRUE(GetRawValue(HKEY_LOCAL_MACHINE, kServices + c.pszService,
                            "ImagePath", &dwType, &bytes));
    EXPECT_EQ(c.dwTypeAfter, dwType);
    const std::string strAfter = c.pszAfter;
    EXPECT_EQ(CBytes(strAfter.begin(), strAfter.end() + 1), bytes);
  }
}

TEST_F(ServiceKeysTest, OnlyADemandStartCdromIsDisabled) {
  const std::string strCdrom = kServices + "Cdrom";
  for (DWORD dwStart : {0u, 1u, 2u, 3u, 4u}) {
    SCOPED_TRACE(dwStart);
    WriteRegDword(HKEY_LOCAL_MACHINE, strCdrom, "Start", dwStart);
    RemoveServiceKeys(m_tally);
    EXPECT_EQ(dwStart == 3 ? 4u : dwStart,
              ReadRegDword(HKEY_LOCAL_MACHINE, strCdrom, "Start"));
  }
  DeleteRegKeyTree(HKEY_LOCAL_MACHINE, strCdrom);
  RemoveServiceKeys(m_tally);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, strCdrom));
}

// Registry names match without regard to case, so each spelling of the
// active profile's alias is a registry of its own.
TEST_F(ServiceKeysTest, ProfileWalkSkipsOnlyTheExactNameCurrent) {
  struct {
    const char* pszAlias;
    bool bSkipped;
  } cases[] = {{"Current", true}, {"current", false}, {"CURRENT", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszAlias);
    DeleteRegKeyTree(HKEY_LOCAL_MACHINE, kProfiles);
    for (const char* pszProfile : {"0001", c.pszAlias, "0002"})
      AddService(ProfileService(pszProfile, ""), "Quesk", "", kRegDwordMissing);
    RemoveHardwareProfileServiceKeys("Quesk", m_tally);
    EXPECT_EQ(c.bSkipped, KeyExists(HKEY_LOCAL_MACHINE,
                                    ProfileService(c.pszAlias, "Quesk")));
    for (const char* pszProfile : {"0001", "0002"})
      EXPECT_FALSE(
          KeyExists(HKEY_LOCAL_MACHINE, ProfileService(pszProfile, "Quesk")));
    // Only the service's key goes, not the Services key above it.
    EXPECT_TRUE(KeyExists(
        HKEY_LOCAL_MACHINE,
        kProfiles + c.pszAlias + "\\System\\CurrentControlSet\\Services"));
  }
}

TEST_F(ServiceKeysTest, NoHardwareProfilesIsNoProblem) {
  RemoveHardwareProfileServiceKeys("Quesk", m_tally);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProfiles));
  EXPECT_EQ(0u, m_platform.m_registry.OpenHandleCount());
}
}  // namespace
