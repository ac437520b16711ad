#include "AboutDlg.h"

#include "FormatThousands.h"
#include "fw/DataExchange.h"
#include "fw/MessageBox.h"
#include "fw/StringTable.h"
#include "platform/Platform.h"
#include "quorrelApp.h"
#include "res/AppStringIds.h"
#include "res/Resource.h"

namespace {
// "%lu" of a KB count, grouped. Counts are 64-bit so that more than 4 GB
// never wraps.
std::string FormatKilobytes(unsigned long long nKilobytes) {
  std::string strNumber = AfxFormatString(
      IDS_NUMBER_FORMAT, static_cast<unsigned long>(nKilobytes));
  FormatThousands(strNumber);
  return strNumber;
}
}  // namespace

std::string AboutPhysicalMemoryText() {
  MEMORYSTATUS status = {};
  status.dwLength = sizeof(status);
  SystemInfo().GlobalMemoryStatus(&status);
  const unsigned long long nKilobytes =
      static_cast<unsigned long long>(status.dwTotalPhys) / 1024;
  return FormatKilobytes(nKilobytes) + " " + LoadResString(IDS_KB);
}

std::string AboutMemoryUsedText() {
  MEMORYSTATUS status = {};
  status.dwLength = sizeof(status);
  SystemInfo().GlobalMemoryStatus(&status);
  // No memory reported: nothing can be in use.
  unsigned nPercent = 0;
  if (status.dwTotalPhys != 0) {
    const SIZE_T nAvail = std::min(status.dwAvailPhys, status.dwTotalPhys);
    const float fUsed = static_cast<float>(status.dwTotalPhys - nAvail) /
                        static_cast<float>(status.dwTotalPhys);
    nPercent = static_cast<unsigned>(fUsed * 100);
  }
  return AfxFormatString(IDS_PERCENT_FORMAT, nPercent);
}

std::string AboutProcessorText() {
  SYSTEM_INFO info = {};
  SystemInfo().GetSystemInfo(&info);
  switch (info.dwProcessorType) {
    case PROCESSOR_INTEL_386:
      return LoadResString(IDS_PROCESSOR_386);
    case PROCESSOR_INTEL_486:
      return LoadResString(IDS_PROCESSOR_486);
    case PROCESSOR_INTEL_PENTIUM:
      return LoadResString(IDS_PROCESSOR_PENTIUM);
    default:
      return LoadResString(IDS_PROCESSOR_OTHER);
  }
}

std::string AboutDiskSpaceText() {
  DWORD dwSectorsPerCluster = 0, dwBytesPerSector = 0, dwFreeClusters = 0,
        dwTotalClusters = 0;
  if (!SystemInfo().GetDiskFreeSpaceA(nullptr, &dwSectorsPerCluster,
                                      &dwBytesPerSector, &dwFreeClusters,
                                      &dwTotalClusters))
    return LoadResString(IDS_UNAVAILABLE);
  // The product of three DWORDs needs 64 bits beyond 4 GB.
  const unsigned long long nFreeBytes =
      static_cast<unsigned long long>(dwFreeClusters) * dwSectorsPerCluster *
      dwBytesPerSector;
  return FormatKilobytes(nFreeBytes / 1024) + " " + LoadResString(IDS_KB_FREE);
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_DISK_SPACE, m_strDiskSpace);
  DDX_Text(pDX, IDC_VERSION, m_strVersion);
  DDX_Text(pDX, IDC_COPYRIGHT, m_strCopyright);
}

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  UpdateData(TRUE);
  CenterWindow();
  SetDlgItemText(IDC_PHYSICAL_MEMORY, AboutPhysicalMemoryText());
  SetDlgItemText(IDC_MEMORY_USED, AboutMemoryUsedText());
  m_strVersion = kProductVersion;
  SetDlgItemText(IDC_PROCESSOR, AboutProcessorText());
  m_strDiskSpace = AboutDiskSpaceText();
  m_strCopyright = kCopyrightNotice;
  UpdateData(FALSE);
  return TRUE;
}

void CquorrelApp::OnAppAbout() {
  CAboutDlg aboutDlg;
  aboutDlg.DoModal();
}
