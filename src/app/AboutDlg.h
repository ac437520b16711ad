// The About box (dialog template 209): product line, version, copyright,
// and four facts about the machine gathered once when it opens.
#pragma once

#include <string>

#include "fw/Dialog.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

  std::string m_strDiskSpace;
  std::string m_strVersion;
  std::string m_strCopyright;
};

// The texts the About box shows, computed from the system information port.
std::string AboutPhysicalMemoryText();
std::string AboutMemoryUsedText();
std::string AboutProcessorText();
std::string AboutDiskSpaceText();

constexpr const char* kProductVersion = "5.20.04";
constexpr const char* kCopyrightNotice =
    "Copyright (C) 1998-2026 Corvane. All rights reserved.";
