#include <gtest/gtest.h>

#include "platform/host/files/HostPath.h"
#include "support/ScratchDirectory.h"

namespace {
TEST(HostPathTest, SystemDriveResolvesInTheMachineDirectoryWithoutCase) {
  CScratchDirectory machine;
  ASSERT_TRUE(machine.MakeDirectories("WINNT/system32/DRIVERS"));
  const std::string& strRoot = machine.Path();
  struct {
    const char* pszWindows;
    std::string strHost;
  } cases[] = {
      {"C:\\WINNT\\System32\\drivers\\Pellin.sys",
       strRoot + "/WINNT/system32/DRIVERS/Pellin.sys"},
      {"c:\\winnt\\SYSTEM32", strRoot + "/WINNT/system32"},
      {"C:\\", strRoot},
      {"C:\\New Folder\\x.txt", strRoot + "/New Folder/x.txt"},
      {"C:\\WINNT\\..\\WINNT\\.\\system32", strRoot + "/WINNT/system32"},
      {"C:\\..\\..\\etc", strRoot + "/etc"},  // never above the drive
      {"Z:\\tmp", "/tmp"},
      {"D:\\WINNT", ""},
      {"WINNT\\system32", ""},
      {"\\\\server\\share\\x", ""},
      {"C:WINNT", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszWindows);
    EXPECT_EQ(c.strHost, HostPathOfWindowsPath(strRoot, c.pszWindows));
  }
}

TEST(HostPathTest, ExactNameWinsOverAnotherCase) {
  CScratchDirectory machine;
  ASSERT_TRUE(machine.WriteFile("Tools/quorrel.sys"));
  ASSERT_TRUE(machine.WriteFile("Tools/QUORREL.SYS"));
  EXPECT_EQ(machine.Path() + "/Tools/QUORREL.SYS",
            HostPathOfWindowsPath(machine.Path(), "C:\\tools\\QUORREL.SYS"));
}

TEST(HostPathTest, HostPathsGetTheDriveTheyLieOn) {
  const std::string strMachine = "/var/m";
  EXPECT_EQ("C:\\WINNT\\x.sys",
            WindowsPathOfHostPath(strMachine, "/var/m/WINNT/x.sys"));
  EXPECT_EQ("C:\\", WindowsPathOfHostPath(strMachine, "/var/m"));
  EXPECT_EQ("Z:\\var\\machine\\x",
            WindowsPathOfHostPath(strMachine, "/var/machine/x"));
  EXPECT_EQ("Z:\\usr\\bin\\quorrel",
            WindowsPathOfHostPath(strMachine, "/usr/bin/quorrel"));
}

TEST(HostPathTest, RoundTripThroughBothDrives) {
  CScratchDirectory machine;
  ASSERT_TRUE(machine.WriteFile("Program Files/Tessarine/Trevant.exe"));
  const std::string strHost =
      machine.Path() + "/Program Files/Tessarine/Trevant.exe";
  const std::string strWindows = WindowsPathOfHostPath(machine.Path(), strHost);
  EXPECT_EQ("C:\\Program Files\\Tessarine\\Trevant.exe", strWindows);
  EXPECT_EQ(strHost, HostPathOfWindowsPath(machine.Path(), strWindows));
  // Outside the machine directory the Z: drive carries the whole host path.
  const std::string strOutside = WindowsPathOfHostPath("/nowhere", strHost);
  EXPECT_EQ(strHost, HostPathOfWindowsPath("/nowhere", strOutside));
}

TEST(HostPathTest, ServiceImageFileFollowsTheFormsWindowsAccepts) {
  struct {
    const char* pszImagePath;
    bool bDriver;
    const char* pszFile;
  } cases[] = {
      {"", true, "C:\\WINNT\\System32\\drivers\\Velcor.sys"},
      {"System32\\DRIVERS\\Pellin.sys", true,
       "C:\\WINNT\\System32\\DRIVERS\\Pellin.sys"},
      {"\\SystemRoot\\System32\\drivers\\x.sys", true,
       "C:\\WINNT\\System32\\drivers\\x.sys"},
      {"\\??\\C:\\Tools\\quorrel.sys", true, "C:\\Tools\\quorrel.sys"},
      {"C:\\Tools\\quorrel.sys", true, "C:\\Tools\\quorrel.sys"},
      {"\\Tools\\q.sys", true, "C:\\Tools\\q.sys"},
      {"%SystemRoot%\\System32\\drivers\\y.sys", true,
       "C:\\WINNT\\System32\\drivers\\y.sys"},
      {"\"C:\\Program Files\\Tessarine\\Trevant.exe\" -service", false,
       "C:\\Program Files\\Tessarine\\Trevant.exe"},
      {"C:\\WINNT\\Trevant.exe -service", false, "C:\\WINNT\\Trevant.exe"},
      {"%SystemRoot%\\Trevant.exe", false, "C:\\WINNT\\Trevant.exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszImagePath);
    EXPECT_EQ(c.pszFile, ServiceImageFile(c.pszImagePath, "Velcor", c.bDriver));
  }
}
}  // namespace
