// A store file that can't be read is refused, with its path and the line at
// fault, and is left exactly as it was: nothing is written over it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/host/store/FileRegistry.h"
#include "support/StoreTestUtil.h"

namespace {
const char kHeader[] = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\A]\r\n";

struct CBrokenFile {
  const char* pszWhat;
  std::string strBytes;
  size_t nLine;
};

std::vector<CBrokenFile> BrokenFiles() {
  const std::string strHead = kHeader;  // lines 1 to 3
  return {
      {"no header", "[HKEY_LOCAL_MACHINE\\A]\r\n", 1},
      {"blank before header", "\r\nREGEDIT4\r\n", 1},
      {"other header", "Windows Registry Editor Version 4.00\r\n", 1},
      {"UTF-8 mark", "\xEF\xBB\xBFREGEDIT4\r\n", 1},
      {"value before any key", "REGEDIT4\r\n\"a\"=\"b\"\r\n", 2},
      {"text outside", strHead + "junk\r\n", 4},
      {"unclosed name", strHead + "\"a=\"b\"\r\n", 4},
      {"unclosed string", strHead + "\"a\"=\"b\r\n", 4},
      {"text after string", strHead + "\"a\"=\"b\" c\r\n", 4},
      {"no equals", strHead + "\"a\" \"b\"\r\n", 4},
      {"unknown data", strHead + "\"a\"=word:1\r\n", 4},
      {"dword too long", strHead + "\"a\"=dword:123456789\r\n", 4},
      {"dword not hex", strHead + "\"a\"=dword:1234567g\r\n", 4},
      {"dword empty", strHead + "\"a\"=dword:\r\n", 4},
      {"hex not hex", strHead + "\"a\"=hex:0g\r\n", 4},
      {"hex three digits", strHead + "\"a\"=hex:001\r\n", 4},
      {"hex double comma", strHead + "\"a\"=hex:00,,01\r\n", 4},
      {"hex type bad", strHead + "\"a\"=hex(z):00\r\n", 4},
      {"hex type too long", strHead + "\"a\"=hex(123456789):00\r\n", 4},
      {"bad continuation", strHead + "\"a\"=hex:00,\\\r\n  zz\r\n", 4},
      {"unclosed key", strHead + "[HKEY_LOCAL_MACHINE\\B\r\n", 4},
      {"empty key name", strHead + "[]\r\n", 4},
      {"empty path part", strHead + "[HKEY_LOCAL_MACHINE\\B\\\\C]\r\n", 4},
      {"trailing backslash", strHead + "[HKEY_LOCAL_MACHINE\\B\\]\r\n", 4},
      {"other root", strHead + "[HKEY_USERS\\B]\r\n", 4},
      {"unknown root", strHead + "[HKLM\\B]\r\n", 4},
      {"key deletion", strHead + "[-HKEY_LOCAL_MACHINE\\B]\r\n", 4},
      {"value deletion", strHead + "\"a\"=-\r\n", 4},
      {"key name too long",
       strHead + "[HKEY_LOCAL_MACHINE\\" + std::string(256, 'k') + "]\r\n", 4},
      {"value name too long",
       strHead + "\"" + std::string(16384, 'v') + "\"=\"\"\r\n", 4},
      // A file cut off while it was written.
      {"hex cut inside a byte", strHead + "\"a\"=hex:01,02,0", 4},
      {"hex cut after a comma", strHead + "\"a\"=hex:01,02,", 4},
      {"dword cut short", strHead + "\"a\"=dword:0000", 4},
      {"dangling continuation", strHead + "\"a\"=hex:01,\\\r\n", 4},
      {"continuation by a blank line",
       strHead + "\"a\"=hex:01,\\\r\n\r\n\"b\"=\"c\"\r\n", 4},
      {"line in UTF-16 file",
       Utf16File("Windows Registry Editor Version 5.00\r\n\r\nbad\r\n"), 3},
  };
}

TEST(FileRegistryRefusal, BrokenFileIsRefusedNamingFileAndLine) {
  for (const auto& broken : BrokenFiles()) {
    SCOPED_TRACE(broken.pszWhat);
    CTempDir dir;
    const std::string strPath = InDir(dir, "HKEY_LOCAL_MACHINE.reg");
    ASSERT_TRUE(WriteWholeFile(strPath, broken.strBytes));
    std::string strError;
    {
      CFileRegistry store;
      EXPECT_EQ(ERROR_BADDB, store.Open(dir.Path(), &strError));
      EXPECT_FALSE(store.IsOpen());
      // Nothing the program might do afterwards reaches the file.
      PutString(store, HKEY_LOCAL_MACHINE, "Software\\A", "x", "y");
      EXPECT_EQ(ERROR_SUCCESS, store.Close(&strError));
    }
    EXPECT_EQ(0u, strError.find(strPath + ": line " +
                                std::to_string(broken.nLine) + ": "))
        << strError;
    EXPECT_EQ(broken.strBytes, ReadWholeFile(strPath));
  }
}

TEST(FileRegistryRefusal, OneBrokenRootStopsTheWholeStore) {
  CTempDir dir;
  const std::string strGood =
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\A]\r\n\"a\"=\"1\"\r\n";
  ASSERT_TRUE(WriteWholeFile(InDir(dir, "HKEY_LOCAL_MACHINE.reg"), strGood));
  ASSERT_TRUE(
      WriteWholeFile(InDir(dir, "HKEY_CURRENT_USER.reg"), "REGEDIT5\r\n"));
  CFileRegistry store;
  std::string strError;
  EXPECT_EQ(ERROR_BADDB, store.Open(dir.Path(), &strError));
  EXPECT_NE(std::string::npos, strError.find("HKEY_CURRENT_USER.reg: line 1"));
  EXPECT_EQ(strGood, ReadWholeFile(InDir(dir, "HKEY_LOCAL_MACHINE.reg")));
}

TEST(FileRegistryRefusal, LenientFormsThatRegeditAccepts) {
  // Blanks around tokens, a comma ending hex data, lower-case hex digits and
  // one-digit bytes, comment lines inside a key: all read.
  const std::string strBody =
      "REGEDIT4\n"
      "  [HKEY_LOCAL_MACHINE\\Software\\A]  \n"
      "\"a\" = dword:2A\n"
      "  ; note\n"
      "\"b\"=hex: 1, 0a ,FF,\n"
      "@ = \"x\"\n"
      "[HKEY_LOCAL_MACHINE\\Software\\A\\with]bracket]\n";
  CTempDir dir;
  ASSERT_TRUE(WriteWholeFile(InDir(dir, "HKEY_LOCAL_MACHINE.reg"), strBody));
  CFileRegistry store;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, store.Open(dir.Path(), &strError)) << strError;
  DWORD dwType = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(
      GetValue(store, HKEY_LOCAL_MACHINE, "Software\\A", "a", &dwType, &data));
  EXPECT_EQ((std::vector<BYTE>{0x2a, 0, 0, 0}), data);
  ASSERT_TRUE(
      GetValue(store, HKEY_LOCAL_MACHINE, "Software\\A", "b", &dwType, &data));
  EXPECT_EQ((std::vector<BYTE>{1, 0x0a, 0xff}), data);
  ASSERT_TRUE(
      GetValue(store, HKEY_LOCAL_MACHINE, "Software\\A", "", &dwType, &data));
  EXPECT_TRUE(
      KeyExists(store, HKEY_LOCAL_MACHINE, "Software\\A\\with]bracket"));
}
TEST(FileRegistryRefusal, WhatStandsInAFilesPlaceIsNamed) {
  struct {
    const char* pszWhat;
    void (*make)(const std::string& strPath);
    const char* pszReason;
  } const kCases[] = {
      // A FIFO would block the open for good.
      {"FIFO", [](const std::string& p) { mkfifo(p.c_str(), 0644); },
       ": not a regular file"},
      {"directory", [](const std::string& p) { mkdir(p.c_str(), 0755); },
       ": is a directory, not a file"},
  };
  for (const auto& item : kCases) {
    SCOPED_TRACE(item.pszWhat);
    CTempDir dir;
    const std::string strPath = InDir(dir, "HKEY_USERS.reg");
    item.make(strPath);
    CFileRegistry store;
    std::string strError;
    EXPECT_NE(ERROR_SUCCESS, store.Open(dir.Path(), &strError));
    EXPECT_EQ(strPath + item.pszReason, strError);
  }
}

TEST(FileRegistryRefusal, RegistryFolderThatIsAFileIsNamed) {
  CTempDir dir;
  const std::string strFolder = InDir(dir, "registry");
  ASSERT_TRUE(WriteWholeFile(strFolder, "not a folder"));
  CFileRegistry store;
  std::string strError;
  EXPECT_EQ(ERROR_PATH_NOT_FOUND, store.Open(strFolder + "/sub", &strError));
  EXPECT_EQ(strFolder + ": not a directory", strError);
  EXPECT_EQ("not a folder", ReadWholeFile(strFolder));
}
}  // namespace
