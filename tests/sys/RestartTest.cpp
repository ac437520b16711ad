#include <gtest/gtest.h>

#include "app/quorrelApp.h"
#include "support/TestPlatform.h"
#include "sys/Restart.h"

namespace {
class RestartTest : public ::testing::Test {
 protected:
  ~RestartTest() override { QuorrelApp().m_nBusyCount = 0; }
  CTestPlatform m_platform;
};

TEST_F(RestartTest, RequestsAnImmediateRebootAndDropsThePrivilegeAgain) {
  RestartComputer();
  ASSERT_EQ(1u, m_platform.m_security.m_shutdownRequests.size());
  const auto& request = m_platform.m_security.m_shutdownRequests[0];
  EXPECT_TRUE(request.bRebootAfterShutdown);
  EXPECT_FALSE(request.bForceAppsClosed);
  EXPECT_EQ(0u, request.dwTimeout);
  EXPECT_FALSE(m_platform.m_security.m_bShutdownPrivilegeEnabled);
  EXPECT_TRUE(m_platform.m_debug.m_lines.empty());
  // The program ends with the system: the busy state is never left.
  EXPECT_EQ(1u, QuorrelApp().m_nBusyCount);
}

TEST_F(RestartTest, MissingPrivilegeEndsTheBusyStateAndSaysWhy) {
  m_platform.m_security.m_processToken.bShutdownPrivilege = false;
  RestartComputer();
  EXPECT_TRUE(m_platform.m_security.m_shutdownRequests.empty());
  ASSERT_EQ(1u, m_platform.m_debug.m_lines.size());
  EXPECT_EQ("TESSARINE: AdjustTokenPrivileges failed 514 ( 1300 )\n",
            m_platform.m_debug.m_lines[0]);
  EXPECT_EQ(0u, QuorrelApp().m_nBusyCount);
  ASSERT_EQ(1u, m_platform.m_user.m_boxes.size());
  EXPECT_NE(std::string::npos,
            m_platform.m_user.m_boxes[0].strText.find("(error 1300)"))
      << m_platform.m_user.m_boxes[0].strText;
}

TEST_F(RestartTest, FailedShutdownAndMissingTokenAreReported) {
  m_platform.m_security.m_bFailShutdown = true;
  m_platform.m_security.m_dwShutdownError = ERROR_ACCESS_DENIED;
  RestartComputer();
  ASSERT_EQ(1u, m_platform.m_debug.m_lines.size());
  EXPECT_EQ("TESSARINE: shutdown failed 5 ( 5 )\n",
            m_platform.m_debug.m_lines[0]);
  EXPECT_EQ(0u, QuorrelApp().m_nBusyCount);
  EXPECT_EQ(1u, m_platform.m_user.m_boxes.size());

  m_platform.m_debug.m_lines.clear();
  m_platform.m_security.m_bFailOpenProcessToken = true;
  RestartComputer();
  ASSERT_EQ(1u, m_platform.m_debug.m_lines.size());
  EXPECT_EQ("TESSARINE: Can't get token for shutdown\n",
            m_platform.m_debug.m_lines[0]);
  EXPECT_EQ(0u, m_platform.m_security.OpenTokenCount());
}
}  // namespace
