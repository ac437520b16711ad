#include <gtest/gtest.h>

#include "clear/UserinitList.h"

namespace {
TEST(UserinitListTest, EntriesNamingTheSuiteGoAndTheRestIsCopiedExactly) {
  struct {
    const char* pszList;
    const char* pszExpected;
  } cases[] = {
      {"C:\\WINNT\\system32\\userinit.exe,C:\\Program Files\\Mardel.exe,",
       "C:\\WINNT\\system32\\userinit.exe"},
      {"userinit,", "userinit"},
      {"userinit", "userinit"},
      {"userinit,MARDEL.EXE", "userinit,MARDEL.EXE"},
      {"Mardel.exe /boot,userinit", "userinit"},
      {",userinit", "userinit"},
      {"userinit,,nddeagnt.exe", "userinit,,nddeagnt.exe"},
      {"userinit,,", "userinit,"},
      {" userinit , Mardel.exe , nddeagnt.exe ", " userinit , nddeagnt.exe "},
      {"Mardel.exe,Mardel.exe", ""},
      {"Mardel.exe", ""},
      {",", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszList);
    EXPECT_EQ(c.pszExpected, WithoutUserinitEntries(c.pszList, "Mardel.exe"));
  }
}
}  // namespace
