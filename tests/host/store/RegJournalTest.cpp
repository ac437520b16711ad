// The journal's records: what is written reads back, a torn last record is
// dropped and damage before an intact record is refused.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/host/store/RegJournal.h"

namespace {
CRegJournalRecord SampleRecord(int n) {
  return {
      CRegStoreOp{ERegOp::kSetValue,
                  "HKEY_LOCAL_MACHINE\\K" + std::to_string(n),
                  "v",
                  REG_BINARY,
                  {1, 2, 3}},
      CRegStoreOp{ERegOp::kDeleteKey, "HKEY_USERS\\X", "", REG_NONE, {}},
      CRegStoreOp{ERegOp::kDeleteValue, "HKEY_CURRENT_USER", "", REG_NONE, {}},
      CRegStoreOp{
          ERegOp::kCreateKey, "HKEY_CURRENT_USER\\N", "", REG_NONE, {}}};
}

std::string Journal(int nRecords) {
  std::string strBytes(kJournalMagic, sizeof kJournalMagic);
  for (int i = 0; i < nRecords; ++i)
    strBytes += EncodeJournalRecord(SampleRecord(i));
  return strBytes;
}

TEST(RegJournalTest, RecordsReadBackAsWritten) {
  std::vector<CRegJournalRecord> records;
  std::string strError;
  ASSERT_TRUE(DecodeJournal(Journal(3), &records, &strError));
  ASSERT_EQ(3u, records.size());
  for (int i = 0; i < 3; ++i) {
    const CRegJournalRecord expected = SampleRecord(i);
    ASSERT_EQ(expected.size(), records[i].size());
    for (size_t j = 0; j < expected.size(); ++j) {
      EXPECT_EQ(expected[j].op, records[i][j].op);
      EXPECT_EQ(expected[j].strPath, records[i][j].strPath);
      EXPECT_EQ(expected[j].strName, records[i][j].strName);
      EXPECT_EQ(expected[j].dwType, records[i][j].dwType);
      EXPECT_EQ(expected[j].data, records[i][j].data);
    }
  }
}

TEST(RegJournalTest, OnlyATornLastRecordIsIgnoredDamageBeforeOneIsRefused) {
  const std::string strGood = Journal(3);
  const size_t nSecond = Journal(1).size();
  const size_t nThird = Journal(2).size();
  std::vector<CRegJournalRecord> records;
  std::string strError;
  // Every byte of the second record flipped in turn: the intact third one
  // behind it makes that damage, never a tail to drop.
  for (size_t i = nSecond; i < nThird; ++i) {
    std::string strBad = strGood;
    strBad[i] = static_cast<char>(strBad[i] ^ 0x41);
    EXPECT_FALSE(DecodeJournal(strBad, &records, &strError)) << "byte " << i;
    EXPECT_NE(std::string::npos, strError.find("damaged")) << strError;
  }
  // The last record flipped or cut short: torn, the others stay.
  for (size_t i = nThird; i < strGood.size(); ++i) {
    std::string strBad = strGood;
    strBad[i] = static_cast<char>(strBad[i] ^ 0x41);
    ASSERT_TRUE(DecodeJournal(strBad, &records, &strError)) << "byte " << i;
    EXPECT_EQ(2u, records.size()) << "byte " << i;
  }
  for (size_t nLength = nSecond; nLength < nThird; ++nLength) {
    ASSERT_TRUE(DecodeJournal(strGood.substr(0, nLength), &records, &strError));
    EXPECT_EQ(1u, records.size()) << "cut at " << nLength;
  }
}

TEST(RegJournalTest, HeaderCutShortIsEmptyAndAForeignFileIsRefused) {
  std::vector<CRegJournalRecord> records;
  std::string strError;
  for (size_t n = 0; n <= sizeof kJournalMagic; ++n) {
    EXPECT_TRUE(
        DecodeJournal(std::string(kJournalMagic, n), &records, &strError));
    EXPECT_TRUE(records.empty());
  }
  EXPECT_FALSE(DecodeJournal("REGEDIT4\r\n", &records, &strError));
}

TEST(RegJournalTest, Crc32OfKnownText) {
  EXPECT_EQ(0xCBF43926u, Crc32("123456789", 9));
}
}  // namespace
