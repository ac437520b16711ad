// Repair MAC Database run by a person in a real terminal (tmux), on a
// machine directory whose registry holds a damaged MAC database: once with
// the repair driver's image beside the executable, once without it. The
// program is a copy in a folder of its own, so that the image "beside the
// executable" belongs to this test alone.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "platform/host/services/HostMacDatabase.h"
#include "platform/host/store/FileRegistry.h"
#include "support/ProcessRunner.h"
#include "support/TmuxSession.h"

namespace {
const char kServices[] = "SYSTEM\\ControlSet001\\Services\\";

std::string HexBytes(const std::vector<BYTE>& bytes) {
  std::ostringstream out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char szByte[4];
    std::snprintf(szByte, sizeof(szByte), "%02x", bytes[i]);
    out << (i ? "," : "") << szByte;
  }
  return out.str();
}

class RepairEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
    m_strProgram = m_bin.Path() + "/quorrel";
    ASSERT_TRUE(WriteWholeFile(m_strProgram, ReadWholeFile(QuorrelExe())));
    ASSERT_EQ(0, chmod(m_strProgram.c_str(), 0755));
    ASSERT_EQ(0, mkdir((m_machine.Path() + "/registry").c_str(), 0755));
    m_damaged = MacDatabaseRecord({0xC8000, 0xD0000});
    m_damaged.back() ^= 0x01;  // the checksum
    ASSERT_TRUE(WriteWholeFile(
        m_machine.Path() + "/registry/HKEY_LOCAL_MACHINE.reg",
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\Dovrel\\System]"
        "\r\n\"R2Configuration\"=dword:00000002\r\n\"MacDatabase\"=hex:" +
            HexBytes(m_damaged) + "\r\n\r\n"));
  }
  // The image the program installs: its own path with the last three
  // characters replaced by "sys" (the host program has no extension).
  void PlaceDriverImage() {
    ASSERT_TRUE(WriteWholeFile(m_bin.Path() + "/quorsys", "driver image"));
  }

  // Starts the program, opens Registry Repairs, presses Repair MAC
  // Database and answers Yes; the screen then shows the outcome.
  void RunRepair(CTmuxSession& tmux, std::string* pstrScreen) {
    ASSERT_TRUE(tmux.Started());
    ASSERT_TRUE(tmux.WaitFor("T E S S A R I N E", 10000, pstrScreen))
        << *pstrScreen;
    tmux.SendKeys("F5");  // closes the splash picture; no control takes it
    ASSERT_TRUE(tmux.WaitFor("[ Registry Repairs... ]", 5000, pstrScreen))
        << *pstrScreen;
    // Tab order: Update, Customizations, Clear, Repairs.
    tmux.SendKeys("Tab Tab Tab Enter");
    ASSERT_TRUE(tmux.WaitFor("[ Repair MAC Database ]", 5000, pstrScreen))
        << *pstrScreen;
    tmux.SendKeys("Enter");
    ASSERT_TRUE(tmux.WaitFor("Do you wish to continue?", 5000, pstrScreen))
        << *pstrScreen;
    tmux.SendKeys("y");
    ASSERT_TRUE(tmux.WaitFor("Do you wish", 5000, pstrScreen, true));
  }
  // Leaves the Repairs dialog and the program; the store is then written.
  void Exit(CTmuxSession& tmux) {
    tmux.SendKeys("Escape");
    std::string strScreen;
    ASSERT_TRUE(tmux.WaitFor("[ Repair MAC Database ]", 5000, &strScreen, true))
        << strScreen;
    tmux.SendKeys("F10 Down Enter");
    for (int i = 0; i < 100 && tmux.Alive(); ++i) usleep(50000);
    EXPECT_FALSE(tmux.Alive());
  }

  // What the run left in the machine's registry.
  void ReadBack(std::vector<BYTE>* pRecord, bool* pbServiceKey) {
    CFileRegistry registry;
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS,
              registry.Open(m_machine.Path() + "/registry", &strError))
        << strError;
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              registry.RegOpenKeyExA(
                  HKEY_LOCAL_MACHINE,
                  (std::string(kServices) + "Dovrel\\System").c_str(), &hKey));
    BYTE buffer[512];
    DWORD cbData = sizeof(buffer);
    DWORD dwType = 0;
    ASSERT_EQ(ERROR_SUCCESS,
              registry.RegQueryValueExA(hKey, "MacDatabase", &dwType, buffer,
                                        &cbData));
    EXPECT_EQ(DWORD(REG_BINARY), dwType);
    pRecord->assign(buffer, buffer + cbData);
    registry.RegCloseKey(hKey);
    *pbServiceKey =
        registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                               (std::string(kServices) + "Quorrel").c_str(),
                               &hKey) == ERROR_SUCCESS;
    if (*pbServiceKey) registry.RegCloseKey(hKey);
    registry.Close(&strError);
  }
  std::string Command() {
    return "env QUORREL_MACHINE=" + m_machine.Path() + " " + m_strProgram;
  }

  CTempDir m_bin;
  CTempDir m_machine;
  std::string m_strProgram;
  std::vector<BYTE> m_damaged;
};

TEST_F(RepairEndToEndTest, WithTheDriverImageTheDatabaseIsRepaired) {
  PlaceDriverImage();
  CTmuxSession tmux(Command(), 100, 36);
  std::string strScreen;
  RunRepair(tmux, &strScreen);
  ASSERT_TRUE(tmux.WaitFor("The MAC Database repair completed successfully.",
                           10000, &strScreen))
      << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find("(i)"));
  EXPECT_NE(std::string::npos,
            strScreen.find("Your computer will now be restarted."));
  tmux.SendKeys("Enter");
  // The restart follows the repair; the host only records it.
  ASSERT_TRUE(tmux.WaitFor("This host is not rebooted", 5000, &strScreen))
      << strScreen;
  // The restart ends the program, as Windows' shutdown would.
  tmux.SendKeys("Enter");
  for (int i = 0; i < 100 && tmux.Alive(); ++i) usleep(50000);
  EXPECT_FALSE(tmux.Alive());

  std::vector<BYTE> record;
  bool bServiceKey = true;
  ReadBack(&record, &bServiceKey);
  EXPECT_EQ(MacDatabaseRecord({0xC8000, 0xD0000}), record);
  EXPECT_FALSE(bServiceKey);
  EXPECT_EQ(
      std::string::npos,
      ReadWholeFile(m_machine.Path() + "/services.state").find("Quorrel"));
}

TEST_F(RepairEndToEndTest, WithoutTheDriverImageTheStartFails) {
  CTmuxSession tmux(Command(), 100, 36);
  std::string strScreen;
  RunRepair(tmux, &strScreen);
  ASSERT_TRUE(
      tmux.WaitFor("Unable to start Registry Update Utility Kernel Service.",
                   10000, &strScreen))
      << strScreen;
  EXPECT_NE(std::string::npos, strScreen.find("Failed with error code 2."));
  EXPECT_NE(std::string::npos, strScreen.find("(!)"));
  tmux.SendKeys("Enter");
  ASSERT_TRUE(tmux.WaitFor("Unable to start", 5000, &strScreen, true))
      << strScreen;
  // No further box, no restart: the dialog is back.
  EXPECT_NE(std::string::npos, strScreen.find("[ Repair MAC Database ]"));
  EXPECT_EQ(std::string::npos, strScreen.find("This host is not rebooted"));
  Exit(tmux);

  std::vector<BYTE> record;
  bool bServiceKey = true;
  ReadBack(&record, &bServiceKey);
  EXPECT_EQ(m_damaged, record);
  EXPECT_FALSE(bServiceKey);
}
}  // namespace
