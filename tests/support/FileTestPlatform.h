// The ports of a test of the file steps: the unit-test platform, a machine
// directory of its own behind the host file system (wrapped so that calls
// can be made to fail), a scripted shell whose Programs folders lie in that
// machine, and a fake service manager. Resets the run-mode flags at the end.
#pragma once

#include <string>

#include "FakeServiceManager.h"
#include "FaultyFileSystem.h"
#include "ScriptedShell.h"
#include "TempDirectory.h"
#include "TestPlatform.h"
#include "platform/host/files/HostFileSystem.h"

class CFileTestPlatform {
 public:
  CFileTestPlatform();
  ~CFileTestPlatform();

  // Host path of a '/'-separated path below the machine directory.
  std::string Host(const std::string& strRelative) const {
    return m_machine / strRelative;
  }

  CTestPlatform m_platform;
  CTempDirectory m_machine;
  CHostFileSystem m_hostFiles{m_machine.Path()};
  CFaultyFileSystem m_files{m_hostFiles};
  CScriptedShell m_shell;
  CFakeServiceManager m_services;
};

// The Programs folders the scripted shell names, below the machine.
extern const char kCommonProgramsHost[];  // "WINNT/Profiles/All Users/..."
extern const char kUserProgramsHost[];
