#include <gtest/gtest.h>

#include "clear/UserinitList.h"

namespace {
// An entry is the suite's only when the program it starts is Mardel.exe;
// the text around the entries that stay, commas included, is kept.
TEST(UserinitListTest, OnlyEntriesStartingTheProgramGoAndTheRestIsKept) {
  struct {
    const char* pszList;
    const char* pszExpected;
  } cases[] = {
      {"C:\\WINNT\\system32\\userinit.exe,C:\\Program Files\\Mardel.exe,",
       "C:\\WINNT\\system32\\userinit.exe,"},
      {"userinit.exe,", "userinit.exe,"},
      {"userinit,MARDEL.EXE", "userinit"},
      {"Mardel.exe /boot,userinit", "userinit"},
      {"\"C:\\Program Files\\T\\Mardel.exe\" -x,userinit", "userinit"},
      {"userinit,C:\\Tools\\NotMardel.exe -x",
       "userinit,C:\\Tools\\NotMardel.exe -x"},
      {"userinit,C:\\Mardel.exe.bak", "userinit,C:\\Mardel.exe.bak"},
      {"C:\\Tools\\run.exe Mardel.exe,userinit",
       "C:\\Tools\\run.exe Mardel.exe,userinit"},
      {"userinit,,nddeagnt.exe", "userinit,,nddeagnt.exe"},
      {" userinit , Mardel.exe , nddeagnt.exe ", " userinit , nddeagnt.exe "},
      {"Mardel.exe,Mardel.exe", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszList);
    EXPECT_EQ(c.pszExpected, WithoutUserinitEntries(c.pszList, "Mardel.exe"));
  }
}
}  // namespace
