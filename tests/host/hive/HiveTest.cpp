// The store's hive engine on hives made as NT 4.0 makes them (RegfWriter),
// each result checked by the independent structural check (RegfCheck):
// list forms by the hive's version, a leaf split under an index root and
// emptied again, big data by version, names in NT's order and form,
// security reference counts, the clean save.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/host/hive/Hive.h"
#include "platform/host/hive/HiveBytes.h"
#include "platform/host/hive/HiveNames.h"
#include "support/RegfCheck.h"
#include "support/RegfWriter.h"

namespace {
constexpr uint64_t kNow = 0x01D9000000000000ull;

CHive Loaded(const std::string& strImage) {
  CHive hive;
  std::string strWhy;
  EXPECT_TRUE(hive.Load(strImage, &strWhy)) << strWhy;
  return hive;
}

CHive Loaded(const CRegfHive& made) { return Loaded(RegfImage(made)); }

// The signature of the subkey list of the key at hKey ("" for none).
std::string ListKind(const CHive& hive, HCELL hKey) {
  const unsigned char* pKey = hive.Space().Cell(hKey, 76);
  const unsigned char* pList = hive.Space().Cell(HiveDword(pKey + 28), 4);
  return pList ? std::string(reinterpret_cast<const char*>(pList), 2) : "";
}

std::vector<std::string> Problems(CHive& hive) {
  return CheckRegf(hive.Save(kNow));
}

size_t AllocatedCells(const std::string& strImage, const char* pszKind) {
  size_t nCells = 0;
  for (size_t nBin = 4096; nBin + 32 <= strImage.size();) {
    const size_t nEnd = nBin + RegfDword(strImage, nBin + 8);
    for (size_t nAt = nBin + 32; nAt < nEnd;) {
      const int32_t nSize = static_cast<int32_t>(RegfDword(strImage, nAt));
      if (nSize < 0 && strImage.compare(nAt + 4, 2, pszKind) == 0) ++nCells;
      nAt += nSize < 0 ? -nSize : nSize;
    }
    nBin = nEnd;
  }
  return nCells;
}

std::u16string Name(size_t n) {
  std::u16string strName = u"Key";
  for (char c : std::to_string(10000 + n)) strName += static_cast<char16_t>(c);
  return strName;
}
}  // namespace

TEST(Hive, NewListsTakeTheFormOfTheHivesVersion) {
  const struct {
    uint32_t dwMinor;
    const char* pszKind;
  } kCases[] = {{2, "li"}, {3, "lf"}, {4, "lf"}, {5, "lh"}, {6, "lh"}};
  for (const auto& version : kCases) {
    SCOPED_TRACE(version.dwMinor);
    CRegfHive made;
    made.dwMinor = version.dwMinor;
    CHive hive = Loaded(made);
    const HCELL hKey = hive.CreateSubkey(hive.Root(), u"Services", kNow);
    ASSERT_NE(kNoCell, hive.CreateSubkey(hKey, u"Beep", kNow));
    EXPECT_EQ(version.pszKind, ListKind(hive, hive.Root()));
    // The check knows the versions from NT 4.0 on.
    if (version.dwMinor >= 3) {
      EXPECT_EQ(std::vector<std::string>(), Problems(hive));
    }
  }
}

// An existing index leaf keeps its form; a hash leaf a writer put in an NT
// 4.0 hive becomes a fast leaf once changed, and at the save wherever it
// is.
TEST(Hive, ListsAreChangedInEveryFormTheyComeIn) {
  for (ERegfList eList :
       {ERegfList::kIndexLeaf, ERegfList::kFastLeaf, ERegfList::kHashLeaf}) {
    CRegfHive made;
    made.eList = eList;
    for (const char* pszName : {"Atdisk", "Beep", "Cdrom", "Wembic"})
      made.root.Key(pszName).SetDword("Start", 3);
    made.root.Key("Cdrom\\Untouched").Key("Below");
    made.root.Key("Cdrom\\Untouched").Key("Beside");
    CHive hive = Loaded(made);
    const HCELL hBeep = hive.FindSubkey(hive.Root(), u"BEEP");
    ASSERT_NE(kNoCell, hBeep);
    EXPECT_TRUE(hive.DeleteSubkey(hive.Root(), hBeep, kNow));
    EXPECT_NE(kNoCell, hive.CreateSubkey(hive.Root(), u"Zandre", kNow));
    EXPECT_EQ(eList == ERegfList::kIndexLeaf ? "li" : "lf",
              ListKind(hive, hive.Root()));
    const std::string strImage = hive.Save(kNow);
    EXPECT_EQ(std::vector<std::string>(), CheckRegf(strImage));
    EXPECT_EQ((std::vector<std::string>{
                  "Atdisk", "Atdisk\\\\Start=4:03000000", "Cdrom",
                  "Cdrom\\Untouched", "Cdrom\\Untouched\\Below",
                  "Cdrom\\Untouched\\Beside", "Cdrom\\\\Start=4:03000000",
                  "Wembic", "Wembic\\\\Start=4:03000000", "Zandre"}),
              RegfListing(strImage));
  }
}

// Past one leaf the list becomes an index root over leaves; a leaf
// emptied leaves the root, the list emptied is freed.
TEST(Hive, AFullLeafSplitsUnderAnIndexRootAndEmptiedListsGo) {
  CHive hive = Loaded(CRegfHive());
  const size_t nKeys = CHive::kMaxLeafPairs + 100;
  for (size_t i = 0; i < nKeys; ++i)
    ASSERT_NE(kNoCell, hive.CreateSubkey(hive.Root(), Name(nKeys - i), kNow));
  EXPECT_EQ("ri", ListKind(hive, hive.Root()));
  EXPECT_EQ(std::vector<std::string>(), Problems(hive));
  std::vector<HCELL> subkeys;
  ASSERT_TRUE(hive.Subkeys(hive.Root(), &subkeys));
  ASSERT_EQ(nKeys, subkeys.size());
  for (size_t i = 0; i < nKeys; ++i) {
    std::u16string strName;
    ASSERT_TRUE(hive.KeyName(subkeys[i], &strName));
    EXPECT_EQ(Name(i + 1), strName);
  }
  // The lower leaf first, then the rest.
  for (size_t i = 0; i < nKeys; ++i) {
    ASSERT_TRUE(hive.DeleteSubkey(hive.Root(), subkeys[i], kNow));
    if (i == nKeys / 2) {
      EXPECT_EQ(std::vector<std::string>(), Problems(hive));
    }
  }
  EXPECT_EQ("", ListKind(hive, hive.Root()));
  EXPECT_EQ(std::vector<std::string>(), Problems(hive));
}

TEST(Hive, BigDataOnlyFromVersion4) {
  const std::string strBig(3 * CHive::kBigDataSegment + 5, 'q');
  for (uint32_t dwMinor : {3u, 4u, 5u}) {
    SCOPED_TRACE(dwMinor);
    CRegfHive made;
    made.dwMinor = dwMinor;
    CHive hive = Loaded(made);
    const CHiveValue big{u"Big", 3, strBig};
    ASSERT_TRUE(hive.SetValue(hive.Root(), big, kNow));
    ASSERT_TRUE(hive.SetValue(hive.Root(), {u"Small", 3, "abc"}, kNow));
    EXPECT_EQ(std::vector<std::string>(), Problems(hive));
    const CHive reread = Loaded(hive.Save(kNow));
    std::vector<CHiveValue> values;
    ASSERT_TRUE(reread.Values(reread.Root(), &values));
    ASSERT_EQ(2u, values.size());
    EXPECT_EQ(strBig, values[0].strData);
    EXPECT_EQ("abc", values[1].strData);
    EXPECT_TRUE(hive.DeleteValue(hive.Root(), u"BIG", kNow));
    EXPECT_EQ(std::vector<std::string>(), Problems(hive));
  }
}

// Upper-cased UTF-16 order; 8-bit names compressed, others not (the check
// verifies form, order and hints).
TEST(Hive, NamesAreStoredAndOrderedAsNtDoes) {
  CHive hive = Loaded(CRegfHive());
  const std::u16string names[] = {
      u"b",  u"\u00E4x", u"A",       u"\u65E5\u672C",
      u"Ab", u"\u03C9",  u"\u00C4a", u"_"};
  for (const std::u16string& strName : names)
    ASSERT_NE(kNoCell, hive.CreateSubkey(hive.Root(), strName, kNow));
  ASSERT_TRUE(hive.SetValue(hive.Root(), {u"\u03A9", 4, "1234"}, kNow));
  EXPECT_EQ(std::vector<std::string>(), Problems(hive));
  std::vector<HCELL> subkeys;
  ASSERT_TRUE(hive.Subkeys(hive.Root(), &subkeys));
  std::vector<std::u16string> order;
  for (HCELL hKey : subkeys) {
    order.emplace_back();
    ASSERT_TRUE(hive.KeyName(hKey, &order.back()));
  }
  EXPECT_EQ(
      (std::vector<std::u16string>{u"A", u"Ab", u"b", u"_", u"\u00C4a",
                                   u"\u00E4x", u"\u03C9", u"\u65E5\u672C"}),
      order);
  EXPECT_EQ(kNoCell, hive.CreateSubkey(hive.Root(), u"", kNow));
}

// A new key shares its parent's security cell; a cell whose last key goes
// is freed and leaves the ring.
TEST(Hive, SecurityReferencesFollowTheKeys) {
  CRegfHive made;
  made.descriptors = {RegfDescriptor(544), RegfDescriptor(545)};
  made.root.Key("Own").nSecurity = 1;
  CHive hive = Loaded(made);
  const HCELL hOwn = hive.FindSubkey(hive.Root(), u"Own");
  ASSERT_NE(kNoCell, hive.CreateSubkey(hOwn, u"Child", kNow));
  EXPECT_EQ(std::vector<std::string>(), Problems(hive));
  ASSERT_TRUE(hive.DeleteSubkey(hive.Root(), hOwn, kNow));
  const std::string strImage = hive.Save(kNow);
  EXPECT_EQ(std::vector<std::string>(), CheckRegf(strImage));
  EXPECT_EQ(1u, AllocatedCells(strImage, "sk"));
}

// Both sequence numbers one up, the time in the base block and the first
// bin, NT's checksum; untouched keys keep their time.
TEST(Hive, ASaveLeavesTheHiveCleanAsNtDoes) {
  CRegfHive made;
  made.dwSequence = 41;
  made.root.Key("Old");
  CHive hive = Loaded(made);
  ASSERT_NE(kNoCell, hive.CreateSubkey(hive.Root(), u"New", kNow));
  const std::string strImage = hive.Save(kNow);
  EXPECT_EQ(42u, RegfDword(strImage, 4));
  EXPECT_EQ(42u, RegfDword(strImage, 8));
  EXPECT_EQ(kNow,
            RegfDword(strImage, 12) | uint64_t{RegfDword(strImage, 16)} << 32);
  EXPECT_EQ(kNow, RegfDword(strImage, 4096 + 20) |
                      uint64_t{RegfDword(strImage, 4096 + 24)} << 32);
  EXPECT_EQ(RegfChecksum(strImage), RegfDword(strImage, 508));
  EXPECT_EQ(made.qwTime,
            Loaded(strImage).KeyTime(hive.FindSubkey(hive.Root(), u"Old")));
}
