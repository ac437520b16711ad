#include <gtest/gtest.h>

#include "support/TestPlatform.h"
#include "sys/Administrator.h"

namespace {
class AdministratorTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
  CModelSecurity& Security() { return m_platform.m_security; }
};

TEST_F(AdministratorTest, MembersOfAdministratorsAreAdministrators) {
  Security().m_processToken.otherGroups = {{21, 1, 2, 3, 513}, {32, 545}};
  EXPECT_TRUE(IsUserAdministrator());
  EXPECT_EQ(0u, Security().OpenTokenCount());
}

TEST_F(AdministratorTest, UsersOutsideTheGroupAreRefused) {
  Security().m_processToken.bAdministrator = false;
  // Users (545) and a domain group are not Administrators (544).
  Security().m_processToken.otherGroups = {{32, 545}, {21, 7, 544}};
  EXPECT_FALSE(IsUserAdministrator());
  EXPECT_EQ(0u, Security().OpenTokenCount());
}

TEST_F(AdministratorTest, AnImpersonatingThreadIsJudgedByItsOwnToken) {
  Security().m_bImpersonating = true;
  Security().m_threadToken.bAdministrator = false;
  EXPECT_FALSE(IsUserAdministrator());
  Security().m_processToken.bAdministrator = false;
  Security().m_threadToken.bAdministrator = true;
  EXPECT_TRUE(IsUserAdministrator());
}

TEST_F(AdministratorTest, EveryTokenFailureRefuses) {
  Security().m_bFailGetTokenInformation = true;
  EXPECT_FALSE(IsUserAdministrator());
  EXPECT_EQ(0u, Security().OpenTokenCount());
  Security().m_bFailGetTokenInformation = false;
  Security().m_bFailOpenProcessToken = true;
  EXPECT_FALSE(IsUserAdministrator());
}
}  // namespace
