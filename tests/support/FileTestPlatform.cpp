#include "FileTestPlatform.h"

#include "app/RunMode.h"

const char kCommonProgramsHost[] =
    "WINNT/Profiles/All Users/Start Menu/Programs";
const char kUserProgramsHost[] =
    "WINNT/Profiles/Administrator/Start Menu/Programs";

CFileTestPlatform::CFileTestPlatform() {
  CPlatform platform = Platform();
  platform.pFiles = &m_files;
  platform.pShell = &m_shell;
  platform.pServices = &m_services;
  SetPlatform(platform);
  m_shell.m_folders[CSIDL_COMMON_PROGRAMS] =
      "C:\\WINNT\\Profiles\\All Users\\Start Menu\\Programs";
  m_shell.m_folders[CSIDL_PROGRAMS] =
      "C:\\WINNT\\Profiles\\Administrator\\Start Menu\\Programs";
  MakeHostDirectory(Host(kCommonProgramsHost));
  MakeHostDirectory(Host(kUserProgramsHost));
}

CFileTestPlatform::~CFileTestPlatform() { ResetRunMode(); }
