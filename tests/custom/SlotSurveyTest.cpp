#include <gtest/gtest.h>

#include "custom/SlotSurvey.h"
#include "fw/MessageBox.h"
#include "fw/StringTable.h"
#include "res/CustomStringIds.h"
#include "support/TestPlatform.h"
#include "sys/RegistryOps.h"

namespace {
void PublishSlot(int nSlot, DWORD dwData) {
  WriteRegDword(HKEY_LOCAL_MACHINE,
                "HARDWARE\\DeviceMap\\PCMCIA\\Slot" + std::to_string(nSlot) +
                    "\\DataBase",
                "32BitR2MemoryWindows", dwData);
}

class SlotSurveyTest : public ::testing::Test {
 protected:
  CTestPlatform m_platform;
};

TEST_F(SlotSurveyTest, CountsUpToTheFirstMissingSlot) {
  EXPECT_EQ(0, SurveySlots().nDetected);
  PublishSlot(0, 1);
  PublishSlot(1, 0);
  PublishSlot(3, 1);  // beyond the gap: not reached
  const CSlotSurvey survey = SurveySlots();
  EXPECT_EQ(2, survey.nDetected);
  EXPECT_EQ(1, survey.nPciCapable);
}

TEST_F(SlotSurveyTest, ACapableSlotAddsTheSurveyMessage) {
  PublishSlot(0, 1);
  PublishSlot(1, 0);
  ShowReservedWindowsInformation();
  ASSERT_EQ((std::vector<UINT>{IDS_MORE_RESERVED_WINDOWS, IDS_SLOT_SURVEY}),
            m_platform.m_user.BoxIds());
  for (const auto& box : m_platform.m_user.m_boxes)
    EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), box.uType);
  EXPECT_EQ(LoadResString(IDS_MORE_RESERVED_WINDOWS),
            m_platform.m_user.m_boxes[0].strText);
  const std::string& strSurvey = m_platform.m_user.m_boxes[1].strText;
  EXPECT_EQ(0u, strSurvey.find("2 PC Card slots have been detected.  1 of the "
                               "2 slots support the use of PCI memory"));
  EXPECT_NE(std::string::npos,
            strSurvey.find("then these 1 slots do not require reserved ISA "
                           "memory and you may subtract 1 from the maximum"));
}

TEST_F(SlotSurveyTest, NoCapableSlotShowsOnlyTheExplanation) {
  ShowReservedWindowsInformation();
  EXPECT_EQ(std::vector<UINT>{IDS_MORE_RESERVED_WINDOWS},
            m_platform.m_user.BoxIds());
  m_platform.m_user.m_boxes.clear();
  PublishSlot(0, 0);
  PublishSlot(1, 0);
  ShowReservedWindowsInformation();
  EXPECT_EQ(std::vector<UINT>{IDS_MORE_RESERVED_WINDOWS},
            m_platform.m_user.BoxIds());
}

TEST_F(SlotSurveyTest, AStoredMissingAnswerEndsTheSurvey) {
  PublishSlot(0, 1);
  PublishSlot(1, 0xFFFFFFFF);
  PublishSlot(2, 1);
  EXPECT_EQ(1, SurveySlots().nDetected);
}
}  // namespace
