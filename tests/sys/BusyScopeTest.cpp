// CBusyScope: one begin and at most one end per scope, whichever way the
// scope ends.
#include <gtest/gtest.h>

#include <vector>

#include "sys/BusyScope.h"

namespace {
class CRecordingBusyState : public IBusyState {
 public:
  void SetBusy(BOOL bBusy) override { m_calls.push_back(bBusy); }
  std::vector<BOOL> m_calls;
};

class BusyScopeTest : public ::testing::Test {
 protected:
  BusyScopeTest() : m_pPrevious(SetBusyState(&m_state)) {}
  ~BusyScopeTest() override { SetBusyState(m_pPrevious); }
  CRecordingBusyState m_state;
  IBusyState* m_pPrevious;
};

TEST_F(BusyScopeTest, EndsOnceWhetherEndedEarlyOrNotAndNeverWhenKept) {
  { CBusyScope busy; }
  {
    CBusyScope busy;
    busy.End();
    busy.End();
  }
  {
    CBusyScope busy;
    busy.Keep();
  }
  EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE, TRUE, FALSE, TRUE}),
            m_state.m_calls);
}

TEST_F(BusyScopeTest, WithoutAnOwnerAScopeDoesNothing) {
  SetBusyState(nullptr);
  { CBusyScope busy; }
  EXPECT_TRUE(m_state.m_calls.empty());
}
}  // namespace
