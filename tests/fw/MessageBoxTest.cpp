#include <gtest/gtest.h>

#include "fw/MessageBox.h"
#include "res/AppStringIds.h"
#include "support/TestPlatform.h"

namespace {

TEST(MessageBoxTest, StringResourceBoxCarriesTitleIdAndType) {
  CTestPlatform platform;
  platform.m_user.m_answers.push_back(IDYES);
  EXPECT_EQ(IDYES, AfxMessageBox(IDS_NOT_ADMINISTRATOR, MB_ICONSTOP));
  ASSERT_EQ(1u, platform.m_user.m_boxes.size());
  const auto& box = platform.m_user.m_boxes[0];
  EXPECT_EQ(IDS_NOT_ADMINISTRATOR, box.nIDPrompt);
  EXPECT_EQ(
      "You must have Administrator priviledges in order to perform this "
      "operation.",
      box.strText);
  EXPECT_EQ("Corvane Tessarine Registry Update Utility for Windows NT",
            box.strCaption);
  EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), box.Icon());
  EXPECT_EQ(static_cast<UINT>(MB_OK), box.Buttons());
}

TEST(MessageBoxTest, FormattedBoxSubstitutesArguments) {
  CTestPlatform platform;
  AfxFormatMessageBox(IDS_CREATE_FILE_FAILED, MB_OK, 5);
  AfxFormatMessageBox(IDS_PERCENT_FORMAT, MB_ICONINFORMATION, 37u);
  ASSERT_EQ(2u, platform.m_user.m_boxes.size());
  EXPECT_EQ("Create file failed with error 5.",
            platform.m_user.m_boxes[0].strText);
  EXPECT_EQ(IDS_CREATE_FILE_FAILED, platform.m_user.m_boxes[0].nIDPrompt);
  EXPECT_EQ("37%", platform.m_user.m_boxes[1].strText);
}

TEST(MessageBoxTest, FormatStringHasNoLengthLimit) {
  const std::string strLong(5000, 'x');
  CTestPlatform platform;
  AfxMessageBox(strLong.c_str(), MB_ICONEXCLAMATION);
  EXPECT_EQ(strLong, platform.m_user.m_boxes.at(0).strText);
  EXPECT_EQ(0u, platform.m_user.m_boxes.at(0).nIDPrompt);
  EXPECT_EQ("Write file failed with error 1016.", AfxFormatString(131, 1016));
}

}  // namespace
