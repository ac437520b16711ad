#include <gtest/gtest.h>

#include "platform/host/HostAnswers.h"

namespace {
TEST(HostAnswersTest, ScriptedListIsTakenInOrder) {
  CHostAnswers answers(" yes, No ,cancel,,OK");
  EXPECT_EQ(IDYES, answers.Next());
  EXPECT_EQ(IDNO, answers.Next());
  EXPECT_EQ(IDCANCEL, answers.Next());
  EXPECT_EQ(IDOK, answers.Next());
  EXPECT_EQ(0, answers.Next());
  EXPECT_TRUE(answers.Empty());
}

TEST(HostAnswersTest, UnknownWordKeepsItsPlaceAndIsRefused) {
  CHostAnswers answers("maybe,yes");
  const int nFirst = answers.Next();
  EXPECT_EQ(-1, nFirst);
  EXPECT_FALSE(BoxOffers(MB_YESNO, nFirst));
  EXPECT_EQ(IDYES, answers.Next());
}

TEST(HostAnswersTest, NeutralAnswerChangesNothing) {
  const struct {
    UINT uType;
    int nNeutral;
  } kCases[] = {{MB_OK, IDOK},
                {MB_OKCANCEL, IDCANCEL},
                {MB_YESNO, IDNO},
                {MB_YESNOCANCEL, IDCANCEL},
                {MB_RETRYCANCEL, IDCANCEL},
                {MB_YESNO | MB_ICONQUESTION, IDNO}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.uType);
    EXPECT_EQ(c.nNeutral, NeutralAnswer(c.uType));
  }
}

TEST(HostAnswersTest, BoxesOfferOnlyTheirOwnButtons) {
  EXPECT_TRUE(BoxOffers(MB_YESNOCANCEL, IDCANCEL));
  EXPECT_FALSE(BoxOffers(MB_YESNO, IDCANCEL));
  EXPECT_FALSE(BoxOffers(MB_OK, IDYES));
  EXPECT_TRUE(BoxOffers(MB_OKCANCEL | MB_ICONEXCLAMATION, IDOK));
}
}  // namespace
