// The test tooling for hive files: hives written as NT 4.0 writes them in
// every list form are sound by the structural check and read the same by
// it, reglookup, regfexport and libhivex; and the check finds each fault it
// is there to find.
#include <gtest/gtest.h>
#include <hivex.h>

#include <algorithm>

#include "support/HiveMaker.h"
#include "support/ProcessRunner.h"
#include "support/RegfCheck.h"
#include "support/RegfWriter.h"
#include "support/TempDirectory.h"

namespace {
const char kGreek[] =
    "\xCE\xA5\xCF\x80\xCE\xB7\xCF\x81\xCE\xB5\xCF\x83";  // Υπηρεσ
const char kLatin[] = "Caf\xC3\xA9";                     // Café

// Subkeys in no particular order, names beside and beyond 8 bits, a class
// name, a second security descriptor, values inline, in a cell and large.
CRegfHive SampleHive() {
  CRegfHive hive;
  CRegfKey& services = hive.root.Key("ControlSet001\\Services");
  for (const char* pszName : {"Wembic", "abiosdsk", "Atdisk", "_Under", "Zed",
                              "ati", "Beep", "cdrom", kGreek, kLatin, "Ab"})
    services.Key(pszName).SetString("ImagePath", "x.sys", 2);
  services.Key("Beep").strClass = "Beeper";
  services.Key("cdrom").nSecurity = 1;
  services.Key(kGreek).SetDword(kGreek, 7).SetString("", "default");
  hive.root.Key("Select")
      .SetDword("Current", 1)
      .Set("Big", 3, std::string(40000, 'b'));
  hive.descriptors = {RegfDescriptor(544), RegfDescriptor(545)};
  return hive;
}

std::vector<std::string> HivexKeys(const std::string& strPath) {
  std::vector<std::string> keys;
  hive_h* pHive = hivex_open(strPath.c_str(), 0);
  if (!pHive) return {"libhivex cannot open it"};
  std::vector<std::pair<hive_node_h, std::string>> todo = {
      {hivex_root(pHive), ""}};
  while (!todo.empty()) {
    const auto node = todo.back();
    todo.pop_back();
    hive_node_h* children = hivex_node_children(pHive, node.first);
    for (size_t i = 0; children && children[i]; ++i) {
      char* pszName = hivex_node_name(pHive, children[i]);
      const std::string strPath =
          (node.second.empty() ? "" : node.second + "\\") + pszName;
      free(pszName);
      keys.push_back(strPath);
      todo.push_back({children[i], strPath});
    }
    free(children);
  }
  hivex_close(pHive);
  std::sort(keys.begin(), keys.end());
  return keys;
}

std::vector<std::string> CheckedKeys(const std::string& strImage) {
  std::vector<std::string> keys;
  for (const std::string& strLine : RegfListing(strImage))
    if (strLine.find('=') == std::string::npos) keys.push_back(strLine);
  return keys;
}

// regfexport's key paths below the root.
std::vector<std::string> RegfexportPaths(const std::string& strPath) {
  std::vector<std::string> paths;
  const std::string strRoot = "Key path: $$$PROTO.HIV\\";
  for (const std::string& strKey : RegfexportKeys(strPath))
    if (strKey.compare(0, strRoot.size(), strRoot) == 0)
      paths.push_back(
          strKey.substr(strRoot.size(), strKey.find('\n') - strRoot.size()));
  std::sort(paths.begin(), paths.end());
  return paths;
}

struct CForm {
  const char* pszName;
  uint32_t dwMinor;
  ERegfList eList;
  size_t nLeafMax;
};

TEST(RegfTools, HivesOfEveryListFormAreSoundAndReadAlikeByEveryReader) {
  const CForm kForms[] = {{"lf", 3, ERegfList::kFastLeaf, 0},
                          {"li", 3, ERegfList::kIndexLeaf, 0},
                          {"ri over lf", 3, ERegfList::kFastLeaf, 3},
                          {"ri over li", 3, ERegfList::kIndexLeaf, 4},
                          {"lh, big data", 5, ERegfList::kHashLeaf, 0}};
  CTempDir dir;
  for (const CForm& form : kForms) {
    CRegfHive hive = SampleHive();
    hive.dwMinor = form.dwMinor;
    hive.eList = form.eList;
    hive.nLeafMax = form.nLeafMax;
    const std::string strPath = dir.Path() + "/hive";
    ASSERT_TRUE(WriteRegfHive(strPath, hive));
    const std::string image = ReadRegfFile(strPath);
    EXPECT_EQ("", HiveFaults(strPath)) << form.pszName;
    const std::vector<std::string> keys = CheckedKeys(image);
    EXPECT_EQ(14u, keys.size()) << form.pszName;
    EXPECT_EQ(keys, HivexKeys(strPath)) << form.pszName;
    EXPECT_EQ(keys, RegfexportPaths(strPath)) << form.pszName;
    size_t nLookupKeys = 0;
    for (const std::string& strLine : ReglookupLines(strPath))
      nLookupKeys += strLine.find(",KEY,") != std::string::npos;
    EXPECT_EQ(keys.size() + 1, nLookupKeys) << form.pszName;
  }
}
}  // namespace

namespace {
// File offset of the data of the first allocated cell whose data begins
// with strSig and, when given, whose element count is cItems.
size_t FindCell(const std::string& image, const std::string& strSig,
                int cItems = -1) {
  for (size_t nBin = 4096; nBin < image.size();
       nBin += RegfDword(image, nBin + 8))
    for (size_t nCell = nBin + 32; nCell < nBin + RegfDword(image, nBin + 8);) {
      const int32_t nSize = static_cast<int32_t>(RegfDword(image, nCell));
      if (nSize < 0 && image.compare(nCell + 4, strSig.size(), strSig) == 0 &&
          (cItems < 0 ||
           RegfDword(image, nCell + 6) % 65536 == unsigned(cItems)))
        return nCell + 4;
      nCell += nSize < 0 ? -nSize : nSize;
    }
  ADD_FAILURE() << "no " << strSig << " cell";
  return 0;
}

bool Mentions(const std::vector<std::string>& problems, const std::string& s) {
  return std::any_of(
      problems.begin(), problems.end(),
      [&](const std::string& p) { return p.find(s) != std::string::npos; });
}

std::string ImageOf(uint32_t dwMinor, ERegfList eList, size_t nLeafMax = 0) {
  CRegfHive hive = SampleHive();
  hive.dwMinor = dwMinor;
  hive.eList = eList;
  hive.nLeafMax = nLeafMax;
  return RegfImage(hive);
}

// Each fault written into a sound hive, and what the check must say.
TEST(RegfTools, CheckFindsEachFault) {
  const std::string sound = ImageOf(3, ERegfList::kFastLeaf);
  ASSERT_EQ(std::vector<std::string>(), CheckRegf(sound));
  struct CFault {
    const char* pszExpected;
    std::string image;
  };
  std::vector<CFault> faults;
  faults.push_back({"hash leaf in a hive of minor version 3",
                    ImageOf(3, ERegfList::kHashLeaf)});
  {
    CRegfHive hive = SampleHive();
    hive.bDirty = true;
    faults.push_back({"dirty: sequence numbers 6 and 5", RegfImage(hive)});
  }
  {
    // The XOR of the base block comes out 0: NT stores 1, never 0.
    std::string image = sound;
    PutRegfDword(&image, 508, 0);
    uint32_t dwXor = 0;
    for (size_t i = 0; i < 508; i += 4) dwXor ^= RegfDword(image, i);
    PutRegfDword(&image, 112, RegfDword(image, 112) ^ dwXor);
    faults.push_back({"checksum 0x0, NT's rule gives 0x1", image});
    PutRegfDword(&image, 508, 1);
    EXPECT_EQ(std::vector<std::string>(), CheckRegf(image));
  }
  {
    std::string image = sound;
    // NT sorts upper-cased: Ab, abiosdsk, ..., Zed, _Under, then Greek.
    image[FindCell(image, "lf", 11) + 8] = 'x';  // first element's hint
    faults.push_back({"hint of Ab is", image});
  }
  {
    std::string image = sound;
    const size_t nLeaf = FindCell(image, "lf", 11);
    const std::string first = image.substr(nLeaf + 4, 8);
    image.replace(nLeaf + 4, 8, image.substr(nLeaf + 12, 8));
    image.replace(nLeaf + 12, 8, first);
    faults.push_back({"element Ab after abiosdsk", image});
  }
  {
    std::string image = ImageOf(3, ERegfList::kIndexLeaf, 4);
    const size_t nLeaf = FindCell(image, "li", 3);
    image[nLeaf + 2] = 0;
    faults.push_back({"empty leaf kept in an index root", image});
  }
  {
    // ControlSet001 with its count cleared, its list still named.
    std::string image = sound;
    const size_t nLeaf = FindCell(image, "lf", 2);
    const size_t nKey = 4096 + RegfDword(image, nLeaf + 4) + 4;
    PutRegfDword(&image, nKey + 20, 0);
    faults.push_back({"no subkeys but a list kept", image});
    faults.push_back({"allocated cell not reached from the root", image});
  }
  {
    std::string image = sound;
    const size_t nSk = FindCell(image, "sk");
    PutRegfDword(&image, nSk + 12, RegfDword(image, nSk + 12) + 1);
    faults.push_back({"used by", image});
  }
  {
    // A big data cell in a hive of NT 4.0's version.
    std::string image = ImageOf(4, ERegfList::kFastLeaf);
    PutRegfDword(&image, 24, 3);
    StampRegfChecksum(&image);
    faults.push_back({"big data cell in a hive of minor version 3", image});
  }
  {
    // The first bin's free tail split in two free cells.
    std::string image = sound;
    const size_t cbBin = RegfDword(image, 4096 + 8);
    size_t nCell = 4096 + 32;
    while (static_cast<int32_t>(RegfDword(image, nCell)) < 0)
      nCell -= static_cast<int32_t>(RegfDword(image, nCell));
    const uint32_t cbFree = RegfDword(image, nCell);
    ASSERT_GE(cbFree, 16u);
    ASSERT_EQ(4096 + cbBin, nCell + cbFree);
    PutRegfDword(&image, nCell, 8);
    PutRegfDword(&image, nCell + 8, cbFree - 8);
    faults.push_back({"free cell not merged", image});
    PutRegfDword(&image, nCell, 12);
    faults.push_back({"does not tile", image});
  }
  for (const CFault& fault : faults) {
    const std::vector<std::string> problems = CheckRegf(fault.image);
    EXPECT_TRUE(Mentions(problems, fault.pszExpected))
        << fault.pszExpected << "\n"
        << ::testing::PrintToString(problems);
  }
}
}  // namespace
