// The program run as a process on a machine directory that holds an NT
// installation's hives instead of .reg files: the silent update and the
// silent Clear, read back by reglookup and regfexport; a hive Windows would
// repair first refused; kills at random instants leaving every hive whole.
#include <gtest/gtest.h>
#include <hivex.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <set>

#include "support/CardDatabaseFile.h"
#include "support/HiveMaker.h"
#include "support/HiveSeed.h"
#include "support/ProcessRunner.h"
#include "support/RegfCheck.h"
#include "support/SuiteInstallation.h"
#include "update/CardTable.h"

namespace {
std::map<std::string, std::string> Environment(const CTempDir& machine) {
  return {{"QUORREL_MACHINE", machine.Path()},
          {"QUORREL_ADMIN", "1"},
          {"QUORREL_ANSWERS", ""},
          {"QUORREL_BROWSE", ""},
          {"USER", "Administrator"},
          {"QUORREL_CLOCK_SCALE", kFastClock}};
}

CProcessResult RunQuorrel(const CTempDir& machine, const CTempDir& work,
                          const std::vector<std::string>& args) {
  std::vector<std::string> argv = {QuorrelExe()};
  argv.insert(argv.end(), args.begin(), args.end());
  CProcessOptions options;
  options.strWorkingDirectory = work.Path();
  options.env = Environment(machine);
  return RunProcess(argv, options);
}

// Starts the program and kills it after nMicroseconds.
void RunAndKill(const CTempDir& machine, const CTempDir& work,
                const std::vector<std::string>& args, unsigned nMicroseconds) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(work.Path().c_str()) != 0) _exit(126);
    for (const auto& var : Environment(machine))
      setenv(var.first.c_str(), var.second.c_str(), 1);
    std::vector<char*> argv = {const_cast<char*>(QuorrelExe().c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  usleep(nMicroseconds);
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

std::vector<std::string> AllHives(const CTempDir& machine) {
  return {HivePath(machine.Path(), "SYSTEM"),
          HivePath(machine.Path(), "SOFTWARE"),
          HivePath(machine.Path(), "DEFAULT"), UserHivePath(machine.Path())};
}

// Whole: sound by the structural check and every independent reader.
std::string WholenessFault(const std::string& strHive) {
  const std::string strFaults = HiveFaults(strHive);
  return strFaults.empty() ? strFaults : strHive + ":\n" + strFaults;
}

std::string MachineFaults(const CTempDir& machine) {
  std::string strFaults;
  for (const std::string& strHive : AllHives(machine))
    strFaults += WholenessFault(strHive);
  return strFaults;
}

TEST(HiveEndToEnd, SilentUpdateAddsTheCardsToTheControlSetAndNothingElse) {
  CTempDir machine, work;
  MakeHiveMachine(machine.Path());
  const std::string strSystem = HivePath(machine.Path(), "SYSTEM");
  const auto lookupBefore = ReglookupLines(strSystem);
  const auto exportBefore = RegfexportKeys(strSystem);
  const std::string strOthers =
      ReadHostFile(HivePath(machine.Path(), "SOFTWARE")) +
      ReadHostFile(HivePath(machine.Path(), "DEFAULT")) +
      ReadHostFile(UserHivePath(machine.Path()));

  const CProcessResult result = RunQuorrel(machine, work, {"-s", "update"});
  EXPECT_EQ(0, result.nExitStatus) << result.strStderr;
  EXPECT_EQ("Update=1\r\n", ReadWholeFile(work.Path() + "/quorrel.log"));

  EXPECT_EQ("", MachineFaults(machine));
  const auto lookupAfter = ReglookupLines(strSystem);
  EXPECT_TRUE(LinesMissing(lookupBefore, lookupAfter).empty());
  const auto added = LinesMissing(lookupAfter, lookupBefore);
  size_t nValues = 0, nKeys = 0;
  for (const std::string& strLine : added) {
    EXPECT_EQ(0u, strLine.find("/ControlSet001/")) << strLine;
    (strLine.find(",KEY,") == std::string::npos ? nValues : nKeys)++;
  }
  EXPECT_EQ(93u, nValues);
  // Each value as the card list gives it, read straight from the hive's
  // bytes.
  const std::string strBase = "ControlSet001\\Services\\Dovrel\\DataBase\\";
  std::vector<std::string> cardValues;
  for (const std::string& strLine : RegfListing(ReadRegfFile(strSystem)))
    if (strLine.compare(0, strBase.size(), strBase) == 0 &&
        strLine.find("\\\\") != std::string::npos)
      cardValues.push_back(strLine);
  EXPECT_EQ(
      std::vector<std::string>(),
      LineDifferences(ExpectedCardDatabaseInHive("ControlSet001"), cardValues));
  // regfexport: a new entry for each new key, the others as they were.
  const auto exportAfter = RegfexportKeys(strSystem);
  EXPECT_TRUE(LinesMissing(exportBefore, exportAfter).empty());
  const auto exported = LinesMissing(exportAfter, exportBefore);
  EXPECT_EQ(nKeys, exported.size());
  size_t nCardKeys = 0;
  for (const std::string& strKey : exported)
    if (strKey.find("\nValue: ") != std::string::npos) ++nCardKeys;
  std::set<std::string> cardKeys;
  for (const CardEntry& entry : CardEntries())
    cardKeys.insert(CardEntryKeyPath(entry));
  EXPECT_EQ(cardKeys.size(), nCardKeys);
  EXPECT_EQ(66u, nCardKeys) << nKeys;
  EXPECT_EQ("", WholenessFault(strSystem));
  EXPECT_EQ(strOthers, ReadHostFile(HivePath(machine.Path(), "SOFTWARE")) +
                           ReadHostFile(HivePath(machine.Path(), "DEFAULT")) +
                           ReadHostFile(UserHivePath(machine.Path())));
}

TEST(HiveEndToEnd, DirtyHiveIsRefusedWithoutWritingAnything) {
  CTempDir machine, work;
  MakeHiveMachine(machine.Path());
  const std::string strSoftware = HivePath(machine.Path(), "SOFTWARE");
  std::string strBytes = ReadHostFile(strSoftware);
  strBytes[4] = 9;  // first sequence number: a write that never finished
  WriteHostFile(strSoftware, strBytes);
  const auto before = HostTreeListing(machine.Path());

  const CProcessResult result =
      RunQuorrel(machine, work,
                 {"-s", "delete", "-d", CSuiteInstallation::kProgramFolder});
  EXPECT_EQ(1, result.nExitStatus);
  EXPECT_NE(std::string::npos,
            result.strStderr.find(strSoftware + ": the hive was not saved"))
      << result.strStderr;
  EXPECT_FALSE(PathExists(work.Path() + "/quorrel.log"));
  EXPECT_EQ(before, HostTreeListing(machine.Path()));
}

class HiveClearTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_installation.SeedBefore(m_machine.Path());
    m_installation.SeedExpectedAfter(m_expected.Path());
    ASSERT_TRUE(ConvertStoreToHives(m_machine.Path()));
    ASSERT_TRUE(ConvertStoreToHives(m_expected.Path()));
  }
  CProcessResult RunDelete() {
    return RunQuorrel(
        m_machine, m_work,
        {"-s", "delete", "-d", CSuiteInstallation::kProgramFolder});
  }

  CSuiteInstallation m_installation;
  CTempDir m_machine, m_expected, m_work;
};

TEST_F(HiveClearTest, SilentDeleteLeavesTheHivesOfTheCleanMachine) {
  ASSERT_NE(HiveListings(m_expected.Path()), HiveListings(m_machine.Path()));
  const CProcessResult result = RunDelete();
  EXPECT_EQ(0, result.nExitStatus) << result.strStderr;
  EXPECT_EQ("Delete=1\r\n", ReadWholeFile(m_work.Path() + "/quorrel.log"));
  EXPECT_EQ("", MachineFaults(m_machine));
  // Security descriptors and class names are columns of these listings.
  EXPECT_EQ(HiveListings(m_expected.Path()), HiveListings(m_machine.Path()));
  for (const char* pszHive : {"SYSTEM", "SOFTWARE", "DEFAULT"})
    EXPECT_EQ(RegfexportKeys(HivePath(m_expected.Path(), pszHive)),
              RegfexportKeys(HivePath(m_machine.Path(), pszHive)))
        << pszHive;
  EXPECT_EQ(MachineFilesBesideHives(m_expected.Path()),
            MachineFilesBesideHives(m_machine.Path()));
  for (const std::string& strHive : AllHives(m_machine))
    EXPECT_EQ("", WholenessFault(strHive));
}

// Kills land anywhere in a run (loading, the Clear's steps, the commit);
// after each, every hive is whole, and a last run completes the work.
TEST_F(HiveClearTest, KillsAtRandomInstantsLeaveWholeHives) {
  std::mt19937 random(15);
  std::uniform_int_distribution<unsigned> delay(0, 700000);
  for (int i = 0; i < 6; ++i) {
    RunAndKill(m_machine, m_work,
               {"-s", "delete", "-d", CSuiteInstallation::kProgramFolder},
               delay(random));
    EXPECT_EQ("", MachineFaults(m_machine)) << "kill " << i;
  }
  RunDelete();
  EXPECT_EQ(HiveListings(m_expected.Path()), HiveListings(m_machine.Path()));
}

TEST(HiveEndToEnd, KillsDuringTheUpdateLeaveWholeHives) {
  CTempDir machine, reference, work;
  MakeHiveMachine(machine.Path());
  MakeHiveMachine(reference.Path());
  RunQuorrel(reference, work, {"-s", "update"});
  std::mt19937 random(16);
  std::uniform_int_distribution<unsigned> delay(0, 700000);
  for (int i = 0; i < 6; ++i) {
    RunAndKill(machine, work, {"-s", "update"}, delay(random));
    EXPECT_EQ("", MachineFaults(machine)) << "kill " << i;
  }
  RunQuorrel(machine, work, {"-s", "update"});
  EXPECT_EQ("", MachineFaults(machine));
  EXPECT_EQ(HiveListings(reference.Path()), HiveListings(machine.Path()));
}

TEST(HiveEndToEnd, RegToolReadsAndChangesTheHives) {
  CTempDir machine;
  MakeHiveMachine(machine.Path());
  CProcessOptions options;
  options.env = {{"QUORREL_MACHINE", machine.Path()},
                 {"USER", "Administrator"}};
  CProcessResult result = RunProcess(
      {QUORREL_REG_EXE, "query", "HKLM\\SYSTEM\\Select", "Current"}, options);
  EXPECT_EQ(0, result.nExitStatus) << result.strStderr;
  EXPECT_NE(std::string::npos, result.strStdout.find("dword:00000001"))
      << result.strStdout;
  result = RunProcess(
      {QUORREL_REG_EXE, "delete", "HKLM\\SYSTEM\\Select", "Current"}, options);
  EXPECT_EQ(0, result.nExitStatus) << result.strStderr;
  const auto lines = ReglookupLines(HivePath(machine.Path(), "SYSTEM"));
  EXPECT_EQ(lines.end(),
            std::find_if(lines.begin(), lines.end(), [](const std::string& s) {
              return s.find("/Select/Current") == 0;
            }));
}
}  // namespace
