#include "TestPlatform.h"

CTestPlatform::CTestPlatform() : m_previous(Platform()) {
  m_security.m_processToken.bAdministrator = true;
  Install();
}

CTestPlatform::~CTestPlatform() { SetPlatform(m_previous); }

void CTestPlatform::Install() {
  CPlatform platform = Platform();
  platform.pRegistry = &m_registry;
  platform.pSecurity = &m_security;
  platform.pUser = &m_user;
  platform.pClock = &m_clock;
  platform.pDebug = &m_debug;
  SetPlatform(platform);
}
