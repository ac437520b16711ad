// The About box's figures from a fake system-information port, and the box
// itself as the scripted UI shows it.
#include <gtest/gtest.h>

#include "app/AboutDlg.h"
#include "res/Resource.h"
#include "support/FakeSystemInfo.h"
#include "support/ScriptedUi.h"
#include "support/TestPlatform.h"

namespace {

class AboutDlgTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
  CFakeSystemInfo m_info;
};

TEST_F(AboutDlgTest, PhysicalMemoryInKilobytesWithSeparators) {
  const struct {
    unsigned long long nBytes;
    const char* pszText;
  } cases[] = {
      {134217728ull, "131,072 (KB)"},
      {1023ull, "0 (KB)"},
      {1024ull * 999, "999 (KB)"},
      // More than 4 GB must not wrap.
      {17179869184ull, "16,777,216 (KB)"},
  };
  for (const auto& c : cases) {
    m_info.m_nTotalPhys = static_cast<SIZE_T>(c.nBytes);
    EXPECT_EQ(c.pszText, AboutPhysicalMemoryText()) << c.nBytes;
  }
}

TEST_F(AboutDlgTest, MemoryUsedIsTruncatedShareOfTotal) {
  const struct {
    unsigned long long nTotal, nAvail;
    const char* pszText;
  } cases[] = {
      {134217728ull, 83886080ull, "37%"},
      {1000, 1000, "0%"},
      {1000, 0, "100%"},
      {1000, 1, "99%"},
      {17179869184ull, 4294967296ull, "75%"},
      // No memory reported: nothing in use.
      {0, 0, "0%"},
  };
  for (const auto& c : cases) {
    m_info.m_nTotalPhys = static_cast<SIZE_T>(c.nTotal);
    m_info.m_nAvailPhys = static_cast<SIZE_T>(c.nAvail);
    EXPECT_EQ(c.pszText, AboutMemoryUsedText()) << c.nTotal << "/" << c.nAvail;
  }
}

TEST_F(AboutDlgTest, ProcessorClassByType) {
  const struct {
    DWORD dwType;
    const char* pszText;
  } cases[] = {{386, "386"},    {486, "486"}, {586, "Pentium"},
               {8664, "OTHER"}, {0, "OTHER"}, {686, "OTHER"}};
  for (const auto& c : cases) {
    m_info.m_dwProcessorType = c.dwType;
    EXPECT_EQ(c.pszText, AboutProcessorText()) << c.dwType;
  }
}

TEST_F(AboutDlgTest, FreeDiskSpaceOfTheCurrentDrive) {
  const struct {
    DWORD dwSpc, dwBps, dwFree;
    const char* pszText;
  } cases[] = {
      {1, 1024, 1, "1 KB Free"},
      {1, 512, 1, "0 KB Free"},
      {1, 1023, 1, "0 KB Free"},
      {8, 512, 308641, "1,234,564 KB Free"},
      // 64 KB clusters, 100,000 of them: 6.1 GB, beyond 32 bits of bytes.
      {128, 512, 100000, "6,400,000 KB Free"},
  };
  for (const auto& c : cases) {
    m_info.m_dwSectorsPerCluster = c.dwSpc;
    m_info.m_dwBytesPerSector = c.dwBps;
    m_info.m_dwFreeClusters = c.dwFree;
    EXPECT_EQ(c.pszText, AboutDiskSpaceText());
  }
  EXPECT_EQ(nullptr, m_info.m_pszLastRoot);
  m_info.m_bDiskOk = FALSE;
  EXPECT_EQ("Unavailable", AboutDiskSpaceText());
}

TEST_F(AboutDlgTest, DialogShowsEveryFigureAndClosesWithOk) {
  CScriptedUi ui(m_platform);
  CAboutDlg dlg;
  std::vector<std::string> texts;
  ui.ExpectDialog(IDD_ABOUTBOX)
      .Do([&] {
        for (UINT nID : {IDC_PHYSICAL_MEMORY, IDC_MEMORY_USED, IDC_PROCESSOR,
                         IDC_DISK_SPACE, IDC_VERSION, IDC_COPYRIGHT})
          texts.push_back(dlg.GetDlgItemText(static_cast<int>(nID)));
      })
      .Key(VK_RETURN);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ((std::vector<std::string>{"131,072 (KB)", "37%", "Pentium",
                                      "1,234,564 KB Free", "5.20.04",
                                      kCopyrightNotice}),
            texts);
  EXPECT_EQ("1,234,564 KB Free", dlg.m_strDiskSpace);
}

}  // namespace
