// The restart request over the real token functions: when the request
// reaches the system the shutdown privilege is enabled in the process
// token, the request asks for an immediate reboot of this machine, and the
// privilege is off again afterwards. The request itself is held back here.
#include <gtest/gtest.h>

#include <vector>

#include "app/quorrelApp.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Debug.h"
#include "platform/win32/Win32Security.h"
#include "platform/win32/Win32User.h"
#include "sys/Restart.h"

namespace {
bool IsShutdownPrivilegeEnabled() {
  HANDLE hToken = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &hToken))
    return false;
  DWORD cbNeeded = 0;
  ::GetTokenInformation(hToken, TokenPrivileges, nullptr, 0, &cbNeeded);
  std::vector<BYTE> buffer(cbNeeded ? cbNeeded : 1);
  LUID luid = {};
  bool bEnabled = false;
  if (::GetTokenInformation(hToken, TokenPrivileges, buffer.data(), cbNeeded,
                            &cbNeeded) &&
      ::LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &luid)) {
    const auto* pPrivileges =
        reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < pPrivileges->PrivilegeCount; ++i) {
      const LUID_AND_ATTRIBUTES& entry = pPrivileges->Privileges[i];
      if (entry.Luid.LowPart == luid.LowPart &&
          entry.Luid.HighPart == luid.HighPart)
        bEnabled = (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
  }
  ::CloseHandle(hToken);
  return bEnabled;
}

// The real security adapter, with the shutdown request recorded instead.
class CHeldShutdown : public CWin32Security {
 public:
  BOOL InitiateSystemShutdownA(const char* lpMachineName, const char*,
                               DWORD dwTimeout, BOOL bForceAppsClosed,
                               BOOL bRebootAfterShutdown) override {
    ++m_nRequests;
    m_bThisMachine = lpMachineName == nullptr;
    m_dwTimeout = dwTimeout;
    m_bForce = bForceAppsClosed;
    m_bReboot = bRebootAfterShutdown;
    m_bPrivilegeEnabled = IsShutdownPrivilegeEnabled();
    return TRUE;
  }

  int m_nRequests = 0;
  bool m_bThisMachine = false;
  DWORD m_dwTimeout = 1;
  BOOL m_bForce = TRUE;
  BOOL m_bReboot = FALSE;
  bool m_bPrivilegeEnabled = false;
};

TEST(Win32Restart, RequestIsMadeWithTheShutdownPrivilegeEnabledThenOff) {
  const CPlatform previous = Platform();
  CHeldShutdown security;
  CWin32User user;
  CWin32Debug debug;
  CPlatform platform = previous;
  platform.pSecurity = &security;
  platform.pUser = &user;
  platform.pDebug = &debug;
  SetPlatform(platform);

  // Off to begin with, so that only the request's own enabling can show.
  ASSERT_FALSE(IsShutdownPrivilegeEnabled());
  RestartComputer();

  EXPECT_EQ(security.m_nRequests, 1);
  EXPECT_TRUE(security.m_bPrivilegeEnabled);
  EXPECT_TRUE(security.m_bThisMachine);
  EXPECT_EQ(security.m_dwTimeout, 0u);
  EXPECT_FALSE(security.m_bForce);
  EXPECT_TRUE(security.m_bReboot);
  EXPECT_FALSE(IsShutdownPrivilegeEnabled());
  // RestartComputer stays busy for good; the next test starts idle.
  QuorrelApp().m_nBusyCount = 0;
  user.SetWaitCursor(FALSE);
  SetPlatform(previous);
}
}  // namespace
