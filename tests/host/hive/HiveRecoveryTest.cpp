// Hives whose last write did not finish, recovered as NT 4.0's loader does
// (SYSTEM from SYSTEM.ALT, the others from their old-format .LOG) or refused
// with the reason and what the user can do.
#include <gtest/gtest.h>

#include "platform/host/hive/HiveRecovery.h"
#include "support/RegfCheck.h"
#include "support/RegfWriter.h"
#include "support/StoreTestUtil.h"

namespace {
CRegfHive Saved(uint32_t dwSequence, uint64_t qwTime, int cKeys) {
  CRegfHive hive;
  hive.dwSequence = dwSequence;
  hive.qwTime = qwTime;
  for (int i = 0; i < cKeys; ++i)
    hive.root.Key("Software\\Key" + std::to_string(i))
        .SetString("Path", std::string(300, 'a' + i % 26));
  return hive;
}

class HiveRecoveryTest : public ::testing::Test {
 protected:
  // A save of 40 keys over one of 10 stopped after half its pages.
  HiveRecoveryTest()
      : m_old(RegfImage(Saved(5, 0x01BC000000000000ull, 10))),
        m_new(RegfImage(Saved(6, 0x01BD000000000000ull, 40))),
        m_pages(RegfChangedPages(m_old, m_new)),
        m_primary(
            RegfInterruptedWrite(m_old, m_new, m_pages, m_pages.size() / 2)),
        m_log(RegfOldLog(m_new, m_pages)) {}

  bool Recover(const CHiveFiles& files) {
    m_strWhy.clear();
    return RecoverHiveImage(files, &m_hive, &m_strWhy);
  }

  std::string m_old, m_new;
  std::vector<size_t> m_pages;
  std::string m_primary, m_log;
  CRecoveredHive m_hive;
  std::string m_strWhy;
};

TEST_F(HiveRecoveryTest, ACleanHiveIsTakenAsItIs) {
  ASSERT_TRUE(Recover({m_new, false, "", m_log}));
  EXPECT_EQ(m_new, m_hive.image);
  EXPECT_EQ("", m_hive.strRecovered);
}

TEST_F(HiveRecoveryTest, AWholeLogOfTheUnfinishedSaveFinishesIt) {
  ASSERT_GT(m_pages.size(), 8u);
  // Torn: half its pages are the new save's.
  ASSERT_EQ("dirty: sequence numbers 6 and 5", CheckRegf(m_primary).at(0));
  ASSERT_TRUE(Recover({m_primary, false, "", m_log})) << m_strWhy;
  EXPECT_EQ(m_new, m_hive.image);
  EXPECT_EQ(std::vector<std::string>(), CheckRegf(m_hive.image));
}

TEST_F(HiveRecoveryTest, ALogThatCannotFinishTheSaveIsRefused) {
  const std::string stale =
      RegfOldLog(RegfImage(Saved(4, 0x01BB000000000000ull, 10)), {0});
  std::string untied = m_log;
  untied[12] ^= 1;  // its time, which ties it to the save
  StampRegfChecksum(&untied);
  const struct {
    std::string log;
    const char* pszWhy;
  } kCases[] = {
      {"", "and it has no log to recover it from"},
      {stale, "and its log is of another save"},
      {untied, "and its log is of another save"},
      {m_log.substr(0, m_log.size() - 512), "and its log is not whole"},
      {m_log.substr(0, 700), "and its log is not whole"},
  };
  for (const auto& test : kCases) {
    EXPECT_FALSE(Recover({m_primary, false, "", test.log})) << test.pszWhy;
    EXPECT_EQ(
        "the hive was not saved completely (sequence numbers 6 and 5 "
        "differ), " +
            std::string(test.pszWhy),
        m_strWhy);
  }
}

TEST_F(HiveRecoveryTest, SystemComesFromACleanAltOfItsLastSaveOnly) {
  // SYSTEM.ALT is written after SYSTEM: it still holds the last save.
  ASSERT_TRUE(Recover({m_primary, true, m_old, m_log})) << m_strWhy;
  EXPECT_EQ(m_old, m_hive.image);
  EXPECT_EQ("SYSTEM.ALT", m_hive.strRecovered);

  std::string dirtyAlt = m_old;
  PutRegfDword(&dirtyAlt, 4, 9);
  StampRegfChecksum(&dirtyAlt);
  for (const std::string& alt :
       {std::string(), dirtyAlt, RegfImage(Saved(4, 1, 10)), m_new}) {
    EXPECT_FALSE(Recover({m_primary, true, alt, m_log}));
    EXPECT_NE(std::string::npos, m_strWhy.find("SYSTEM.ALT")) << m_strWhy;
  }
}

TEST_F(HiveRecoveryTest, TheFilesAreFoundBesideTheHiveAndLeftAsTheyWere) {
  CTempDir dir;
  const std::string strHive = dir.Path() + "/software";
  WriteHostFile(strHive, m_primary);
  WriteHostFile(strHive + ".log", m_log);
  CRecoveredHive hive;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, ReadRecoveredHive(strHive, "", &hive, &strError))
      << strError;
  EXPECT_EQ(m_new, hive.image);
  EXPECT_EQ("software.log", hive.strRecovered);
  EXPECT_EQ(m_primary, ReadHostFile(strHive));

  std::remove((strHive + ".log").c_str());
  EXPECT_EQ(ERROR_BADDB, ReadRecoveredHive(strHive, "", &hive, &strError));
  EXPECT_EQ(0u, strError.find(strHive + ": the hive was not saved completely"))
      << strError;
  EXPECT_NE(std::string::npos, strError.find("then run this again"));
}
}  // namespace
