// The security port over the real token functions, and the program's
// administrator check on top of it: the semantics the port promises hold
// for Wine's tokens as they do for Windows'.
#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "platform/win32/Win32Security.h"
#include "sys/Administrator.h"

namespace {
class Win32SecurityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_previous = Platform();
    CPlatform platform = m_previous;
    platform.pSecurity = &m_security;
    SetPlatform(platform);
  }
  void TearDown() override {
    ::RevertToSelf();
    SetPlatform(m_previous);
  }

  CWin32Security m_security;
  CPlatform m_previous;
};

TEST_F(Win32SecurityTest, ThreadWithoutTokenFailsWithNoToken) {
  HANDLE hToken = nullptr;
  ::SetLastError(0);
  EXPECT_FALSE(m_security.OpenThreadToken(TOKEN_QUERY, FALSE, &hToken));
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_NO_TOKEN));
}

TEST_F(Win32SecurityTest, ImpersonatingThreadHasItsOwnToken) {
  ASSERT_TRUE(::ImpersonateSelf(SecurityImpersonation));
  HANDLE hToken = nullptr;
  ASSERT_TRUE(m_security.OpenThreadToken(TOKEN_QUERY, FALSE, &hToken));
  EXPECT_TRUE(m_security.CloseHandle(hToken));
}

TEST_F(Win32SecurityTest, GroupListAsksForItsSizeFirst) {
  HANDLE hToken = nullptr;
  ASSERT_TRUE(m_security.OpenProcessToken(TOKEN_QUERY, &hToken));
  DWORD cbNeeded = 0;
  EXPECT_FALSE(m_security.GetTokenInformation(hToken, TokenGroups, nullptr, 0,
                                              &cbNeeded));
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_GE(cbNeeded, sizeof(TOKEN_GROUPS));
  EXPECT_TRUE(m_security.CloseHandle(hToken));
}

TEST_F(Win32SecurityTest, AdministratorsSidMatchesOnlyItself) {
  SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
  PSID pAdmins = nullptr;
  PSID pUsers = nullptr;
  ASSERT_TRUE(m_security.AllocateAndInitializeSid(
      &authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0,
      0, 0, 0, 0, &pAdmins));
  ASSERT_TRUE(m_security.AllocateAndInitializeSid(
      &authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS, 0, 0,
      0, 0, 0, 0, &pUsers));
  EXPECT_TRUE(m_security.EqualSid(pAdmins, pAdmins));
  EXPECT_FALSE(m_security.EqualSid(pAdmins, pUsers));
  m_security.FreeSid(pAdmins);
  m_security.FreeSid(pUsers);
}

// Wine runs every program as a member of the Administrators group, with or
// without a thread token of its own.
TEST_F(Win32SecurityTest, UserIsAdministratorByProcessAndByThreadToken) {
  EXPECT_TRUE(IsUserAdministrator());
  ASSERT_TRUE(::ImpersonateSelf(SecurityImpersonation));
  EXPECT_TRUE(IsUserAdministrator());
}

TEST_F(Win32SecurityTest, ShutdownPrivilegeIsFoundAndEnabledCleanly) {
  LUID luid = {};
  ASSERT_TRUE(
      m_security.LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &luid));
  EXPECT_EQ(luid.LowPart, 19u);  // SE_SHUTDOWN_PRIVILEGE
  EXPECT_EQ(luid.HighPart, 0);

  HANDLE hToken = nullptr;
  ASSERT_TRUE(m_security.OpenProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                                          &hToken));
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Luid = luid;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  ::SetLastError(12345);
  ASSERT_TRUE(m_security.AdjustTokenPrivileges(hToken, FALSE, &privileges));
  // The caller tells full success by the last error, which must be 0.
  EXPECT_EQ(::GetLastError(), 0u);
  privileges.Privileges[0].Attributes = 0;
  EXPECT_TRUE(m_security.AdjustTokenPrivileges(hToken, FALSE, &privileges));
  EXPECT_TRUE(m_security.CloseHandle(hToken));
}

TEST_F(Win32SecurityTest, UnknownPrivilegeNameIsRefused) {
  LUID luid = {};
  EXPECT_FALSE(
      m_security.LookupPrivilegeValueA(nullptr, "SeNoSuchPrivilege", &luid));
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_NO_SUCH_PRIVILEGE));
}
}  // namespace
