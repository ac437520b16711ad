// The ports of a unit test: an in-memory registry, a token model that is an
// administrator, a scripted UI, a clock that does not sleep and a recorded
// debug channel. Installs itself for the test's lifetime.
#pragma once

#include <string>
#include <vector>

#include "FaultyRegistry.h"
#include "ScriptedUser.h"
#include "platform/Platform.h"
#include "platform/memory/ModelSecurity.h"

class CFakeClock : public IClock {
 public:
  DWORD m_dwNow = 0;
  std::vector<DWORD> m_sleeps;
  void Sleep(DWORD dwMilliseconds) override {
    m_sleeps.push_back(dwMilliseconds);
    m_dwNow += dwMilliseconds;
  }
  DWORD GetTickCount() override { return m_dwNow; }
};

class CRecordingDebug : public IDebug {
 public:
  std::vector<std::string> m_lines;
  void OutputDebugStringA(const char* lpOutputString) override {
    m_lines.emplace_back(lpOutputString);
  }
};

class CTestPlatform {
 public:
  CTestPlatform();
  ~CTestPlatform();
  CTestPlatform(const CTestPlatform&) = delete;
  CTestPlatform& operator=(const CTestPlatform&) = delete;

  CFaultyRegistry m_registry;  // faults only when a test asks
  CModelSecurity m_security;
  CScriptedUser m_user;
  CFakeClock m_clock;
  CRecordingDebug m_debug;

  // Reinstalls the ports after a test replaced some of them.
  void Install();
  void SetAdministrator(bool bAdministrator) {
    m_security.m_processToken.bAdministrator = bAdministrator;
  }

 private:
  CPlatform m_previous;
};
