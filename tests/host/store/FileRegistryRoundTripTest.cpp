// Loading a store file and writing it back: every value of every type reads
// as the file says, and what the program leaves alone is written back byte
// for byte, in the file's own format, encoding and line ends.
#include <gtest/gtest.h>

#include <map>

#include "platform/host/regfile/RegCodePage.h"
#include "platform/host/store/FileRegistry.h"
#include "support/StoreTestUtil.h"

namespace {
const char kKey[] = "Software\\Test";

// Every form the format has, with the CRLF line ends regedit writes.
const char kRegedit4[] =
    "REGEDIT4\r\n"
    "\r\n"
    "; a comment before the first key\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n"
    "@=\"default\"\r\n"
    "\"plain\"=\"text\"\r\n"
    "\"escapes\"=\"a \\\"quoted\\\" back\\\\slash \\n\"\r\n"
    "\"empty\"=\"\"\r\n"
    "\"dw\"=dword:0000002a\r\n"
    "; between values\r\n"
    "\"bin\"=hex:00,01,02,ff\r\n"
    "\"emptybin\"=hex:\r\n"
    "\"expand\"=hex(2):25,50,41,54,48,25,00\r\n"
    "\"multi\"=hex(7):61,00,62,00,00\r\n"
    "\"qword\"=hex(b):01,02,03,04,05,06,07,08\r\n"
    "\"none\"=hex(0):\r\n"
    "\"odd\"=hex(12345678):aa\r\n"
    "\"cont\"=hex:00,01,02,\\\r\n"
    "  03,04\r\n"
    "\"slash/colon:name \"=\"trailing space\"\r\n"
    "\"noterm\"=hex(1):41,42\r\n"
    "\"text\xe9\"=\"caf\xe9 \x80\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Test\\Sub/Key:With Spaces ]\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Empty]\r\n"
    "\r\n";

class FileRegistryRoundTrip : public ::testing::Test {
 protected:
  std::string Path() const { return InDir(m_dir, "HKEY_LOCAL_MACHINE.reg"); }
  void Seed(const std::string& strBytes) { WriteWholeFile(Path(), strBytes); }
  void Open() {
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, m_store.Open(m_dir.Path(), &strError)) << strError;
  }
  void Close() {
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, m_store.Close(&strError)) << strError;
  }
  void ExpectValue(const std::string& strName, DWORD dwType,
                   const std::vector<BYTE>& data) {
    SCOPED_TRACE(strName);
    DWORD dwRead = 0;
    std::vector<BYTE> read;
    ASSERT_TRUE(
        GetValue(m_store, HKEY_LOCAL_MACHINE, kKey, strName, &dwRead, &read));
    EXPECT_EQ(dwType, dwRead);
    EXPECT_EQ(data, read);
  }

  CTempDir m_dir;
  CFileRegistry m_store;
};

TEST_F(FileRegistryRoundTrip, EveryFormReadsAsTheProgramSeesIt) {
  Seed(kRegedit4);
  Open();
  ExpectValue("", REG_SZ, SzBytes("default"));
  ExpectValue("plain", REG_SZ, SzBytes("text"));
  // Only \\ and \" are escapes; any other backslash stands for itself.
  ExpectValue("escapes", REG_SZ, SzBytes("a \"quoted\" back\\slash \\n"));
  ExpectValue("empty", REG_SZ, SzBytes(""));
  ExpectValue("dw", REG_DWORD, {0x2a, 0, 0, 0});
  ExpectValue("bin", REG_BINARY, {0, 1, 2, 0xff});
  ExpectValue("emptybin", REG_BINARY, {});
  ExpectValue("expand", REG_EXPAND_SZ, SzBytes("%PATH%"));
  ExpectValue("multi", REG_MULTI_SZ, Bytes(std::string("a\0b\0\0", 5)));
  ExpectValue("qword", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8});
  ExpectValue("none", REG_NONE, {});
  ExpectValue("odd", 0x12345678, {0xaa});
  ExpectValue("cont", REG_BINARY, {0, 1, 2, 3, 4});
  ExpectValue("SLASH/COLON:NAME ", REG_SZ, SzBytes("trailing space"));
  ExpectValue("noterm", REG_SZ, {'A', 'B'});
  ExpectValue("text\xe9", REG_SZ, SzBytes("caf\xe9 \x80"));
  EXPECT_TRUE(KeyExists(m_store, HKEY_LOCAL_MACHINE,
                        "Software\\Test\\Sub/Key:With Spaces "));
  EXPECT_FALSE(KeyExists(m_store, HKEY_LOCAL_MACHINE,
                         "Software\\Test\\Sub/Key:With Spaces"));
  EXPECT_TRUE(KeyExists(m_store, HKEY_LOCAL_MACHINE, "Software\\Empty"));
}

TEST_F(FileRegistryRoundTrip, UnchangedStoreIsNotWritten) {
  Seed(kRegedit4);
  Open();
  HKEY hKey = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            m_store.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, &hKey));
  m_store.RegCloseKey(hKey);
  Close();
  EXPECT_EQ(kRegedit4, ReadWholeFile(Path()));
  EXPECT_EQ(0u, m_store.Stats().nFilesWritten);
}

TEST_F(FileRegistryRoundTrip, OnlyTheChangedLinesChange) {
  Seed(kRegedit4);
  Open();
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kKey, "PLAIN", "new"));
  ASSERT_TRUE(PutValue(m_store, HKEY_LOCAL_MACHINE, kKey, "added", REG_DWORD,
                       {1, 0, 0, 0}));
  HKEY hKey = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            m_store.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, &hKey));
  EXPECT_EQ(ERROR_SUCCESS, m_store.RegDeleteValueA(hKey, "dw"));
  // Set and deleted again: the file never sees it.
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kKey, "brief", "x"));
  EXPECT_EQ(ERROR_SUCCESS, m_store.RegDeleteValueA(hKey, "brief"));
  m_store.RegCloseKey(hKey);
  EXPECT_EQ(ERROR_SUCCESS,
            m_store.RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Empty"));
  Close();
  std::string strExpected = kRegedit4;
  auto Replace = [&](const std::string& strOld, const std::string& strNew) {
    const size_t nAt = strExpected.find(strOld);
    ASSERT_NE(std::string::npos, nAt) << strOld;
    strExpected.replace(nAt, strOld.size(), strNew);
  };
  // The value keeps the case of its name as first created.
  Replace("\"plain\"=\"text\"\r\n", "\"plain\"=\"new\"\r\n");
  Replace("\"dw\"=dword:0000002a\r\n", "");
  Replace("\"caf\xe9 \x80\"\r\n",
          "\"caf\xe9 \x80\"\r\n\"added\"=dword:00000001\r\n");
  Replace("[HKEY_LOCAL_MACHINE\\Software\\Empty]\r\n\r\n", "");
  EXPECT_EQ(strExpected, ReadWholeFile(Path()));
}

TEST_F(FileRegistryRoundTrip, WrittenValuesReadBackByteForByte) {
  const struct {
    const char* pszName;
    DWORD dwType;
    std::vector<BYTE> data;
  } kCases[] = {
      {"sz", REG_SZ, SzBytes("text with \\ and \" inside")},
      {"sz empty", REG_SZ, SzBytes("")},
      {"sz no zero", REG_SZ, Bytes("abc")},
      {"sz zero inside", REG_SZ, Bytes(std::string("a\0b\0", 4))},
      {"sz two zeros", REG_SZ, Bytes(std::string("ab\0\0", 4))},
      {"sz line break", REG_SZ, SzBytes("two\r\nlines")},
      {"sz zero bytes", REG_SZ, {}},
      {"sz 8-bit", REG_SZ, SzBytes("\x80\x81\x8d\x8f\x90\x9d\xff")},
      {"dword", REG_DWORD, {0xff, 0xff, 0xff, 0xff}},
      {"dword short", REG_DWORD, {1, 2}},
      {"binary long", REG_BINARY, std::vector<BYTE>(300, 0x5a)},
      {"expand", REG_EXPAND_SZ, SzBytes("%SystemRoot%\\x")},
      {"multi", REG_MULTI_SZ, Bytes(std::string("one\0two\0\0", 9))},
      {"big endian", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 1}},
      {"link", REG_LINK, {1, 0}},
      {"resources", REG_RESOURCE_LIST, std::vector<BYTE>(90, 1)},
      {"type 0xffffffff", 0xffffffff, {9}},
      {"/:slashes and colons: ", REG_SZ, SzBytes("v")},
      {"", REG_SZ, SzBytes("the default")},
  };
  for (const char* pszFormat :
       {"REGEDIT4\r\n", "Windows Registry Editor Version 5.00\r\n"}) {
    SCOPED_TRACE(pszFormat);
    CTempDir dir;
    const bool bWide = pszFormat[0] == 'W';
    const std::string strPath = InDir(dir, "HKEY_CURRENT_USER.reg");
    WriteWholeFile(strPath,
                   bWide ? Utf16File(pszFormat) : std::string(pszFormat));
    {
      CFileRegistry store;
      std::string strError;
      ASSERT_EQ(ERROR_SUCCESS, store.Open(dir.Path(), &strError)) << strError;
      for (const auto& c : kCases)
        ASSERT_TRUE(PutValue(store, HKEY_CURRENT_USER, "Types\\Key", c.pszName,
                             c.dwType, c.data));
      ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError)) << strError;
    }
    const std::string strWritten = ReadWholeFile(strPath);
    EXPECT_EQ(bWide, strWritten.compare(0, 2, "\xFF\xFE") == 0);
    CFileRegistry reread;
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, reread.Open(dir.Path(), &strError)) << strError;
    for (const auto& c : kCases) {
      SCOPED_TRACE(c.pszName);
      DWORD dwType = 0;
      std::vector<BYTE> data;
      ASSERT_TRUE(GetValue(reread, HKEY_CURRENT_USER, "Types\\Key", c.pszName,
                           &dwType, &data));
      EXPECT_EQ(c.dwType, dwType);
      EXPECT_EQ(c.data, data);
    }
    // Writing what was read gives the same file again.
    ASSERT_TRUE(PutString(reread, HKEY_CURRENT_USER, "Types\\Key", "sz", "x"));
    ASSERT_TRUE(PutValue(reread, HKEY_CURRENT_USER, "Types\\Key", "sz", REG_SZ,
                         kCases[0].data));
    ASSERT_EQ(ERROR_SUCCESS, reread.Close(&strError)) << strError;
    EXPECT_EQ(strWritten, ReadWholeFile(strPath));
  }
}

TEST_F(FileRegistryRoundTrip, NewStoreFilesAreRegedit4WithCrlf) {
  Open();
  ASSERT_TRUE(
      PutString(m_store, HKEY_USERS, ".DEFAULT\\Software\\A", "n", "v"));
  ASSERT_TRUE(PutValue(m_store, HKEY_USERS, ".DEFAULT\\Software\\A\\Leaf", "d",
                       REG_DWORD, {2, 0, 0, 0}));
  HKEY hKey = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, m_store.RegCreateKeyExA(
                               HKEY_USERS, ".DEFAULT\\Empty", &hKey, nullptr));
  m_store.RegCloseKey(hKey);
  Close();
  EXPECT_EQ(
      "REGEDIT4\r\n"
      "\r\n"
      "[HKEY_USERS\\.DEFAULT\\Empty]\r\n"
      "\r\n"
      "[HKEY_USERS\\.DEFAULT\\Software\\A]\r\n"
      "\"n\"=\"v\"\r\n"
      "\r\n"
      "[HKEY_USERS\\.DEFAULT\\Software\\A\\Leaf]\r\n"
      "\"d\"=dword:00000002\r\n"
      "\r\n",
      ReadWholeFile(InDir(m_dir, "HKEY_USERS.reg")));
  EXPECT_FALSE(PathExists(InDir(m_dir, "HKEY_CURRENT_USER.reg")));
  EXPECT_FALSE(PathExists(InDir(m_dir, CFileRegistry::kJournalName)));
}

TEST_F(FileRegistryRoundTrip, LineFeedFileKeepsLineFeeds) {
  const std::string strFile =
      "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"a\"=\"1\"\n";
  Seed(strFile);
  Open();
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kKey, "b", "2"));
  ASSERT_TRUE(
      PutString(m_store, HKEY_LOCAL_MACHINE, "Software\\New", "c", "3"));
  Close();
  EXPECT_EQ(strFile +
                "\"b\"=\"2\"\n\n[HKEY_LOCAL_MACHINE\\Software\\New]\n"
                "\"c\"=\"3\"\n\n",
            ReadWholeFile(Path()));
}

TEST_F(FileRegistryRoundTrip, LastLineWithoutLineEnd) {
  Seed("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n\"a\"=\"1\"");
  Open();
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kKey, "b", "2"));
  Close();
  EXPECT_EQ(
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n"
      "\"a\"=\"1\"\r\n\"b\"=\"2\"\r\n",
      ReadWholeFile(Path()));
}

TEST_F(FileRegistryRoundTrip, FileCutAfterACarriageReturn) {
  // Found by fuzzing: a line end added after the stray CR made "\r\r\n",
  // which the store then refused to read. The CR is a blank line now.
  const std::string strFile =
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n\"a\"="
      "\"1\"\r\n\r";
  Seed(strFile);
  Open();
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kKey, "b", "2"));
  Close();
  EXPECT_EQ(
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n\"a\"=\"1\"\r\n"
      "\"b\"=\"2\"\r\n\r",
      ReadWholeFile(Path()));
  CFileRegistry reread;
  std::string strError;
  EXPECT_EQ(ERROR_SUCCESS, reread.Open(m_dir.Path(), &strError)) << strError;
}

TEST(FileRegistryVersion5Odd, OddByteEndingAUtf16FileIsDroppedBeforeNewText) {
  // Found by fuzzing: text written after the odd byte was one byte off.
  CTempDir dir;
  const std::string strPath = InDir(dir, "HKEY_LOCAL_MACHINE.reg");
  WriteWholeFile(strPath, Utf16File("Windows Registry Editor Version 5.00\r\n"
                                    "\r\n[HKEY_LOCAL_MACHINE\\S]") +
                              "\r");
  {
    CFileRegistry store;
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, store.Open(dir.Path(), &strError)) << strError;
    ASSERT_TRUE(PutString(store, HKEY_LOCAL_MACHINE, "S", "v", "1"));
    ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError));
  }
  EXPECT_EQ(Utf16File("Windows Registry Editor Version 5.00\r\n\r\n"
                      "[HKEY_LOCAL_MACHINE\\S]\r\n\"v\"=\"1\"\r\n"),
            ReadWholeFile(strPath));
}

TEST_F(FileRegistryRoundTrip, DeletedKeyTakesItsSectionsAlong) {
  Seed(
      "REGEDIT4\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Gone]\r\n\"a\"=\"1\"\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Kept]\r\n\"b\"=\"2\"\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Gone]\r\n\"c\"=\"3\"\r\n\r\n");
  Open();
  ASSERT_EQ(ERROR_SUCCESS,
            m_store.RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Gone"));
  Close();
  EXPECT_EQ(
      "REGEDIT4\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Kept]\r\n\"b\"=\"2\"\r\n\r\n",
      ReadWholeFile(Path()));
}

TEST_F(FileRegistryRoundTrip, CommentsInFrontOfAHeaderStayWithTheirKey) {
  Seed(
      "REGEDIT4\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\A]\r\n\"a\"=\"1\"\r\n; about A\r\n"
      "\"a2\"=\"2\"\r\n\r\n"
      "; about B\r\n\r\n; more about B\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\B]\r\n\"b\"=\"1\"\r\n");
  Open();
  HKEY hSoftware = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            m_store.RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", &hSoftware));
  ASSERT_EQ(ERROR_SUCCESS, m_store.RegDeleteKeyA(hSoftware, "A"));
  m_store.RegCloseKey(hSoftware);
  Close();
  EXPECT_EQ(
      "REGEDIT4\r\n\r\n"
      "; about B\r\n\r\n; more about B\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\B]\r\n\"b\"=\"1\"\r\n",
      ReadWholeFile(Path()));
}

TEST_F(FileRegistryRoundTrip, ValueGivenTwiceIsReplacedWhereItCounts) {
  // regedit applies lines in order: the last line of a name decides.
  Seed(
      "REGEDIT4\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n\"a\"=\"first\"\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Test]\r\n\"a\"=\"second\"\r\n\r\n");
  Open();
  ExpectValue("a", REG_SZ, SzBytes("second"));
  ASSERT_TRUE(PutString(m_store, HKEY_LOCAL_MACHINE, kKey, "a", "third"));
  Close();
  CFileRegistry reread;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, reread.Open(m_dir.Path(), &strError));
  DWORD dwType = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(GetValue(reread, HKEY_LOCAL_MACHINE, kKey, "a", &dwType, &data));
  EXPECT_EQ(SzBytes("third"), data);
}

TEST_F(FileRegistryRoundTrip, KeyEmptiedOfSubkeysStaysAKey) {
  // [A\B\C] alone makes A\B exist; once C goes, A\B needs a section.
  Seed("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\A\\B\\C]\r\n\r\n");
  Open();
  ASSERT_EQ(ERROR_SUCCESS,
            m_store.RegDeleteKeyA(HKEY_LOCAL_MACHINE, "A\\B\\C"));
  Close();
  EXPECT_EQ("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\A\\B]\r\n\r\n",
            ReadWholeFile(Path()));
}
}  // namespace

namespace {
// As regedit exports it: UTF-16LE with a byte order mark, CRLF, the string
// types' hex data in UTF-16LE.
const char kVersion5[] =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Caf\xe9]\r\n"
    "\"name\"=\"\x80 and \xe9\"\r\n"
    "\"expand\"=hex(2):25,00,50,00,e9,00,25,00,00,00\r\n"
    "\"multi\"=hex(7):61,00,00,00,ac,20,00,00,00,00\r\n"
    "\"dw\"=dword:00000001\r\n"
    "\"bin\"=hex:e9,00\r\n"
    "\r\n";

TEST(FileRegistryVersion5, Utf16FileReadUpdatedAndWrittenBack) {
  CTempDir dir;
  const std::string strPath = InDir(dir, "HKEY_CURRENT_USER.reg");
  ASSERT_TRUE(WriteWholeFile(strPath, Utf16File(kVersion5)));
  CFileRegistry store;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, store.Open(dir.Path(), &strError)) << strError;
  const std::string strKey = "Software\\CAF\xc9";  // ASCII case only: é stays
  EXPECT_FALSE(KeyExists(store, HKEY_CURRENT_USER, strKey));
  const std::string strCafe = "Software\\Caf\xe9";
  DWORD dwType = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(
      GetValue(store, HKEY_CURRENT_USER, strCafe, "name", &dwType, &data));
  EXPECT_EQ(SzBytes("\x80 and \xe9"), data);  // Windows-1252
  ASSERT_TRUE(
      GetValue(store, HKEY_CURRENT_USER, strCafe, "expand", &dwType, &data));
  EXPECT_EQ(SzBytes("%P\xe9%"), data);
  ASSERT_TRUE(
      GetValue(store, HKEY_CURRENT_USER, strCafe, "multi", &dwType, &data));
  EXPECT_EQ(Bytes(std::string("a\0\x80\0\0", 5)), data);
  ASSERT_TRUE(
      GetValue(store, HKEY_CURRENT_USER, strCafe, "bin", &dwType, &data));
  EXPECT_EQ((std::vector<BYTE>{0xe9, 0}), data);  // binary stays bytes
  ASSERT_TRUE(PutValue(store, HKEY_CURRENT_USER, strCafe, "dw", REG_DWORD,
                       {2, 0, 0, 0}));
  ASSERT_TRUE(PutValue(store, HKEY_CURRENT_USER, strCafe, "new", REG_EXPAND_SZ,
                       SzBytes("\x80")));
  ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError)) << strError;
  std::string strExpected = kVersion5;
  strExpected.replace(strExpected.find("dword:00000001"), 14, "dword:00000002");
  strExpected.insert(strExpected.find("\r\n\r\n", 100) + 2,
                     "\"new\"=hex(2):ac,20,00,00\r\n");
  EXPECT_EQ(Utf16File(strExpected), ReadWholeFile(strPath));
}

TEST(FileRegistryVersion5, NamesOutsideTheCodePageStayApartAndExact) {
  // As "??" the two keys were one.
  const std::string strNihon("\xE5\x65\x2C\x67", 4);  // 日本 in UTF-16LE
  const std::string strChina("\x2D\x4E\xFD\x56", 4);  // 中国
  auto Key = [](const std::string& strName, const char* pszValue) {
    return CodePageToUtf16Le("[HKEY_CURRENT_USER\\Software\\") + strName +
           CodePageToUtf16Le(std::string("]\r\n\"v\"=\"") + pszValue +
                             "\"\r\n\r\n");
  };
  const std::string strFile =
      Utf16File("Windows Registry Editor Version 5.00\r\n\r\n") +
      Key(strNihon, "1") + Key(strChina, "2");
  CTempDir dir;
  const std::string strPath = InDir(dir, "HKEY_CURRENT_USER.reg");
  ASSERT_TRUE(WriteWholeFile(strPath, strFile));
  CFileRegistry store;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, store.Open(dir.Path(), &strError)) << strError;
  HKEY hSoftware = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            store.RegOpenKeyExA(HKEY_CURRENT_USER, "Software", &hSoftware));
  std::map<std::string, std::string> keys;  // value v -> name as enumerated
  char szName[256];
  DWORD cch = sizeof szName;
  for (DWORD i = 0;
       store.RegEnumKeyExA(hSoftware, i, szName, &cch) == ERROR_SUCCESS;
       ++i, cch = sizeof szName) {
    DWORD dwType = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(GetValue(store, hSoftware, szName, "v", &dwType, &data));
    keys[std::string(data.begin(), data.end() - 1)] = szName;
  }
  store.RegCloseKey(hSoftware);
  ASSERT_EQ(2u, keys.size());
  ASSERT_TRUE(PutString(store, HKEY_CURRENT_USER,
                        "Software\\" + keys["1"] + "\\Neu", "w", "3"));
  ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError)) << strError;
  EXPECT_EQ(strFile + CodePageToUtf16Le("[HKEY_CURRENT_USER\\Software\\") +
                strNihon + CodePageToUtf16Le("\\Neu]\r\n\"w\"=\"3\"\r\n\r\n"),
            ReadWholeFile(strPath));
}
}  // namespace
