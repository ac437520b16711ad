// The hive store on hives as NT 4.0 writes them (RegfWriter): every list
// form NT 4.0 leaves (fast leaves, index leaves of machines upgraded from
// NT 3.51, index roots), names outside the code page, NT's checksum rule,
// and a Clear whose hives cannot be written. Every hive written is held to
// the structural check and the independent readers (HiveFaults).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "platform/host/hive/HiveMachine.h"
#include "platform/host/hive/HiveRegistry.h"
#include "support/HiveMaker.h"
#include "support/HiveSeed.h"
#include "support/ProcessRunner.h"
#include "support/RegfCheck.h"
#include "support/StoreTestUtil.h"
#include "support/SuiteInstallation.h"

namespace {
const char kGreek[] =
    "\xCE\xA5\xCF\x80\xCE\xB7\xCF\x81\xCE\xB5\xCF\x83";  // Υπηρεσ

struct CForm {
  const char* pszName;
  ERegfList eList;
  size_t nLeafMax;
};
const CForm kForms[] = {{"lf", ERegfList::kFastLeaf, 0},
                        {"li", ERegfList::kIndexLeaf, 0},
                        {"ri over lf", ERegfList::kFastLeaf, 3},
                        {"ri over li", ERegfList::kIndexLeaf, 3}};

CHiveMachine Machine(const CTempDir& dir) {
  CHiveMachine machine;
  EXPECT_TRUE(FindHiveMachine(dir.Path(), "Administrator", &machine));
  return machine;
}

std::vector<std::string> Keys(const std::string& strHive) {
  std::vector<std::string> keys;
  for (const std::string& strLine : RegfListing(ReadRegfFile(strHive)))
    if (strLine.find('=') == std::string::npos) keys.push_back(strLine);
  return keys;
}

CProcessResult RunQuorrel(const CTempDir& machine, const CTempDir& work,
                          const std::vector<std::string>& args,
                          const std::string& strShellPrefix = "") {
  std::vector<std::string> argv = {QuorrelExe()};
  argv.insert(argv.end(), args.begin(), args.end());
  if (!strShellPrefix.empty()) {
    std::string strCommand = strShellPrefix + " exec";
    for (const std::string& strArg : argv) strCommand += " '" + strArg + "'";
    argv = {"/bin/sh", "-c", strCommand};
  }
  CProcessOptions options;
  options.strWorkingDirectory = work.Path();
  options.env = {{"QUORREL_MACHINE", machine.Path()},
                 {"QUORREL_ADMIN", "1"},
                 {"QUORREL_ANSWERS", ""},
                 {"QUORREL_BROWSE", ""},
                 {"USER", "Administrator"},
                 {"QUORREL_CLOCK_SCALE", kFastClock}};
  return RunProcess(argv, options);
}

std::string MachineFaults(const CTempDir& machine) {
  std::string strFaults;
  for (const std::string& strHive :
       {HivePath(machine.Path(), "SYSTEM"),
        HivePath(machine.Path(), "SOFTWARE"),
        HivePath(machine.Path(), "DEFAULT"), UserHivePath(machine.Path())}) {
    const std::string strHiveFaults = HiveFaults(strHive);
    if (!strHiveFaults.empty()) strFaults += strHive + ":\n" + strHiveFaults;
  }
  return strFaults;
}

// Services with nine keys in three leaves (when leaves hold three), one
// with a single subkey, and one named outside the code page.
void FillServices(CHiveMaker& hive) {
  hive.SetDword("Select", "Current", 1);
  for (const char* pszName :
       {"K1", "K2", "K3", "K4", "K5", "K6", "K7", "K8", "K9"})
    hive.SetString(std::string("ControlSet001\\Services\\") + pszName, "x",
                   "y");
  hive.Key("ControlSet001\\Services\\Lone\\Only");
  hive.SetDword(std::string("ControlSet001\\Services\\") + kGreek, kGreek, 7);
}

// Deleting a whole leaf, a key's only subkey and one more key, from every
// list form: what is deleted is gone, the rest (the name outside the code
// page too) is there once, exactly, and the hive is sound: an emptied leaf
// has left its index root, an emptied list is freed.
TEST(HiveNt4, DeletingFromEveryListFormLeavesASoundHive) {
  for (const CForm& form : kForms) {
    static CForm s_form;
    s_form = form;
    CTempDir dir;
    MakeHiveMachine(dir.Path(), [](CHiveMaker& hive) {
      hive.Hive().eList = s_form.eList;
      hive.Hive().nLeafMax = s_form.nLeafMax;
      FillServices(hive);
    });
    const std::string strSystem = HivePath(dir.Path(), "SYSTEM");
    std::vector<std::string> expected = Keys(strSystem);
    CHiveRegistry store;
    std::string strError;
    ASSERT_EQ(ERROR_SUCCESS, store.Open(Machine(dir), &strError)) << strError;
    for (const char* pszKey : {"K4", "K5", "K6", "K8", "Lone\\Only"}) {
      const std::string strKey =
          std::string("ControlSet001\\Services\\") + pszKey;
      EXPECT_EQ(ERROR_SUCCESS,
                store.RegDeleteKeyA(HKEY_LOCAL_MACHINE,
                                    ("SYSTEM\\" + strKey).c_str()))
          << form.pszName << " " << pszKey;
      expected.erase(std::remove(expected.begin(), expected.end(), strKey),
                     expected.end());
    }
    EXPECT_EQ(ERROR_SUCCESS, store.Close(&strError))
        << form.pszName << ": " << strError;
    EXPECT_EQ("", HiveFaults(strSystem)) << form.pszName;
    EXPECT_EQ(expected, Keys(strSystem)) << form.pszName;
  }
}

// A key is added beside a name outside the code page (its parent is
// written): that name stays exactly as the file held it, once.
TEST(HiveNt4, NamesOutsideTheCodePageAreNeverCopiedOrRenamed) {
  CTempDir dir;
  MakeHiveMachine(dir.Path(), FillServices);
  const std::string strSystem = HivePath(dir.Path(), "SYSTEM");
  std::vector<std::string> expected = RegfListing(ReadRegfFile(strSystem));
  CHiveRegistry store;
  std::string strError;
  ASSERT_EQ(ERROR_SUCCESS, store.Open(Machine(dir), &strError)) << strError;
  ASSERT_TRUE(PutString(store, HKEY_LOCAL_MACHINE,
                        "SYSTEM\\ControlSet001\\Services\\New", "v", "w"));
  ASSERT_EQ(ERROR_SUCCESS, store.Close(&strError)) << strError;
  EXPECT_EQ("", HiveFaults(strSystem));
  std::vector<std::string> after = RegfListing(ReadRegfFile(strSystem));
  EXPECT_EQ((std::vector<std::string>{"ControlSet001\\Services\\New",
                                      "ControlSet001\\Services\\New\\\\v=1:"
                                      "77000000"}),
            LinesMissing(after, expected));
  EXPECT_EQ(std::vector<std::string>(), LinesMissing(expected, after));
}

// NT stores 1 when the XOR of the base block comes out 0; such a hive is
// whole and opens.
TEST(HiveNt4, ABaseBlockWhoseChecksumIsOneByNtsRuleOpens) {
  CTempDir dir;
  MakeHiveMachine(dir.Path());
  const std::string strSystem = HivePath(dir.Path(), "SYSTEM");
  std::string image = ReadRegfFile(strSystem);
  PutRegfDword(&image, 508, 0);
  uint32_t dwXor = 0;
  for (size_t i = 0; i < 508; i += 4) dwXor ^= RegfDword(image, i);
  PutRegfDword(&image, 112, RegfDword(image, 112) ^ dwXor);
  PutRegfDword(&image, 508, 1);
  WriteHostFile(strSystem, image);
  // libregf and libhivex compare the plain XOR and refuse it.
  ASSERT_EQ(std::vector<std::string>(), CheckRegfFile(strSystem));
  CHiveRegistry store;
  std::string strError;
  EXPECT_EQ(ERROR_SUCCESS, store.Open(Machine(dir), &strError)) << strError;
  store.Close(&strError);
}

// quorrel-reg import of keys whose names are beyond ASCII (Windows-1252
// text): their lists keep NT's order and hints.
TEST(HiveNt4, ImportedNamesBeyondAsciiKeepNtsOrderAndHints) {
  CTempDir machine, files;
  MakeHiveMachine(machine.Path());
  std::string strReg = "REGEDIT4\r\n\r\n";
  for (const char* pszName : {"\xC9"
                              "clair",
                              "\xE9"
                              "b\xE8ne",
                              "Zeta",
                              "\xFC"
                              "ber",
                              "_x", "Ab",
                              "\xC0"
                              "la",
                              "\xFF"
                              "y"})
    strReg += std::string("[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\") +
              "Services\\" + pszName + "]\r\n\"v\"=\"1\"\r\n\r\n";
  const std::string strFile = files.Path() + "/in.reg";
  WriteHostFile(strFile, strReg);
  CProcessOptions options;
  options.env = {{"QUORREL_MACHINE", machine.Path()},
                 {"USER", "Administrator"}};
  const CProcessResult result =
      RunProcess({QUORREL_REG_EXE, "import", strFile}, options);
  ASSERT_EQ(0, result.nExitStatus) << result.strStderr;
  EXPECT_EQ("", HiveFaults(HivePath(machine.Path(), "SYSTEM")));
}

bool AddBallast(const CTempDir& machine) {
  std::string strReg =
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ballast]\r\n"
      "\"Data\"=hex:00";
  for (int i = 1; i < 96 * 1024; ++i) strReg += ",5a";
  strReg += "\r\n";
  const std::string strFile = machine.Path() + "/ballast.reg";
  WriteHostFile(strFile, strReg);
  CProcessOptions options;
  options.env = {{"QUORREL_MACHINE", machine.Path()}};
  const bool bDone =
      RunProcess({QUORREL_REG_EXE, "import", strFile}, options).nExitStatus ==
      0;
  std::remove(strFile.c_str());
  return bDone;
}

// A machine with the suite installed, its hives in one list form, and the
// clean machine a Clear must leave.
struct CClearRun {
  explicit CClearRun(const CForm& form) {
    m_installation.SeedBefore(m_machine.Path());
    m_installation.SeedExpectedAfter(m_expected.Path());
    // SOFTWARE made larger than the journal of a Clear.
    bSeeded =
        AddBallast(m_machine) && AddBallast(m_expected) &&
        ConvertStoreToHives(m_machine.Path(), form.eList, form.nLeafMax) &&
        ConvertStoreToHives(m_expected.Path(), form.eList, form.nLeafMax);
  }
  CProcessResult RunDelete(const std::string& strShellPrefix = "") {
    return RunQuorrel(
        m_machine, m_work,
        {"-s", "delete", "-d", CSuiteInstallation::kProgramFolder},
        strShellPrefix);
  }
  std::string Result() const {
    return ReadWholeFile(m_work.Path() + "/quorrel.log");
  }
  void ExpectClean() const {
    EXPECT_EQ("", MachineFaults(m_machine));
    EXPECT_EQ(HiveListings(m_expected.Path()), HiveListings(m_machine.Path()));
    EXPECT_EQ(MachineFilesBesideHives(m_expected.Path()),
              MachineFilesBesideHives(m_machine.Path()));
  }

  CSuiteInstallation m_installation;
  CTempDir m_machine, m_expected, m_work;
  bool bSeeded = false;
};

// NT 3.51's index leaves, and index roots over either leaf: the Clear
// leaves the clean machine's keys and a sound hive.
TEST(HiveNt4Clear, SilentDeleteOnIndexLeavesAndRootsLeavesTheCleanMachine) {
  for (const CForm& form : {kForms[1], kForms[2], kForms[3]}) {
    SCOPED_TRACE(form.pszName);
    CClearRun run(form);
    ASSERT_TRUE(run.bSeeded);
    const CProcessResult result = run.RunDelete();
    EXPECT_EQ(0, result.nExitStatus) << result.strStderr;
    EXPECT_EQ("Delete=1\r\n", run.Result());
    run.ExpectClean();
  }
}

// The hives cannot be written (files are limited below SOFTWARE's size, as
// on a full disk; the journal still fits): the result is 0 with a message, no
// file of the suite is deleted, and the hives are whole. The next run, with
// room, completes the Clear.
TEST(HiveNt4Clear, AHiveThatCannotBeWrittenGivesZeroAndDeletesNoFile) {
  CClearRun run(kForms[0]);
  ASSERT_TRUE(run.bSeeded);
  const std::string strSoftware = HivePath(run.m_machine.Path(), "SOFTWARE");
  const size_t cbSoftware = ReadRegfFile(strSoftware).size();
  const auto filesBefore = MachineFilesBesideHives(run.m_machine.Path());
  const CProcessResult result = run.RunDelete(
      "trap '' XFSZ; ulimit -f " + std::to_string(cbSoftware / 512 - 8) + ";");
  EXPECT_EQ("Delete=0\r\n", run.Result());
  EXPECT_NE(std::string::npos, result.strStderr.find("/system32/config/"))
      << result.strStderr;
  EXPECT_EQ(filesBefore, MachineFilesBesideHives(run.m_machine.Path()));
  EXPECT_EQ("", MachineFaults(run.m_machine));

  const CProcessResult again = run.RunDelete();
  EXPECT_EQ(0, again.nExitStatus) << again.strStderr;
  EXPECT_EQ("Delete=1\r\n", run.Result());
  run.ExpectClean();
}

// SYSTEM and SOFTWARE as MakeHiveMachine makes them, saved at a time and
// sequence number; bLater adds a key, the work of a later save.
CRegfHive MachineHive(const char* pszName, uint32_t dwSequence, bool bLater) {
  CRegfHive hive;
  hive.dwSequence = dwSequence;
  hive.qwTime = 0x01BC000000000000ull + dwSequence;
  if (std::string(pszName) == "SYSTEM") {
    hive.root.Key("Select").SetDword("Current", 1);
    hive.root.Key("ControlSet001\\Control").SetString("SystemStartOptions", "");
    hive.root.Key("ControlSet001\\Services");
    hive.root.Key("ControlSet002\\Services");
  } else {
    hive.root
        .Key("Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-7")
        .SetString("ProfileImagePath", "%SystemRoot%\\Profiles\\Administrator",
                   2);
  }
  for (int i = 0; bLater && i < 30; ++i)
    hive.root.Key("Later\\Key" + std::to_string(i))
        .SetString("Text", std::string(200, 'x'));
  return hive;
}

// The hive left by a save that stopped halfway; returns the save's log.
std::string StopSaveHalfway(const std::string& strPath, const char* pszName) {
  const std::string old = RegfImage(MachineHive(pszName, 2, false));
  const std::string done = RegfImage(MachineHive(pszName, 3, true));
  const std::vector<size_t> pages = RegfChangedPages(old, done);
  WriteHostFile(strPath,
                RegfInterruptedWrite(old, done, pages, pages.size() / 2));
  return RegfOldLog(done, pages);
}

// SYSTEM's save stopped, SYSTEM.ALT still the last save: the run starts
// from SYSTEM.ALT, as NT 4.0 would, and writes both anew.
TEST(HiveNt4Recovery, ADirtySystemIsRecoveredFromACleanAlt) {
  CTempDir machine, work;
  MakeHiveMachine(machine.Path());
  const std::string strSystem = HivePath(machine.Path(), "SYSTEM");
  StopSaveHalfway(strSystem, "SYSTEM");
  WriteHostFile(strSystem + ".ALT", RegfImage(MachineHive("SYSTEM", 2, false)));
  const CProcessResult result = RunQuorrel(machine, work, {"-s", "update"});
  EXPECT_EQ(0, result.nExitStatus) << result.strStderr;
  EXPECT_EQ("Update=1\r\n", ReadWholeFile(work.Path() + "/quorrel.log"));
  EXPECT_NE(std::string::npos,
            result.strStderr.find(
                strSystem + ": its last save did not finish; recovered from "
                            "SYSTEM.ALT"))
      << result.strStderr;
  EXPECT_EQ("", HiveFaults(strSystem));
  EXPECT_EQ(ReadHostFile(strSystem), ReadHostFile(strSystem + ".ALT"));
  const std::vector<std::string> keys = Keys(strSystem);
  EXPECT_EQ(0, std::count(keys.begin(), keys.end(), "Later"));
  EXPECT_EQ(1, std::count(keys.begin(), keys.end(), "ControlSet001\\Services"));
  EXPECT_LT(30u, keys.size());  // the cards
}

// SOFTWARE's save stopped with its log whole: a run has it as the save
// left it, but writes it only when it changes it.
TEST(HiveNt4Recovery, AnotherDirtyHiveIsRecoveredFromItsLogWhenWritten) {
  CTempDir machine, work;
  MakeHiveMachine(machine.Path());
  const std::string strSoftware = HivePath(machine.Path(), "SOFTWARE");
  WriteHostFile(strSoftware + ".LOG", StopSaveHalfway(strSoftware, "SOFTWARE"));
  const std::string strDirty = ReadHostFile(strSoftware);
  CProcessOptions options;
  options.env = {{"QUORREL_MACHINE", machine.Path()},
                 {"USER", "Administrator"}};
  const CProcessResult query = RunProcess(
      {QUORREL_REG_EXE, "query", "HKLM\\SOFTWARE\\Later\\Key29", "Text"},
      options);
  EXPECT_EQ(0, query.nExitStatus) << query.strStderr;
  EXPECT_NE(std::string::npos, query.strStdout.find("xxxx")) << query.strStdout;
  EXPECT_NE(std::string::npos,
            query.strStderr.find("quorrel-reg: " + strSoftware +
                                 ": its last save did not finish; recovered "
                                 "from SOFTWARE.LOG"))
      << query.strStderr;
  EXPECT_EQ(strDirty, ReadHostFile(strSoftware));

  const std::string strFile = work.Path() + "/in.reg";
  WriteHostFile(strFile,
                "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Added]\r\n");
  const CProcessResult import =
      RunProcess({QUORREL_REG_EXE, "import", strFile}, options);
  ASSERT_EQ(0, import.nExitStatus) << import.strStderr;
  EXPECT_EQ("", HiveFaults(strSoftware));
  const std::vector<std::string> keys = Keys(strSoftware);
  EXPECT_EQ(1, std::count(keys.begin(), keys.end(), "Added"));
  EXPECT_EQ(1, std::count(keys.begin(), keys.end(), "Later\\Key29"));
}

// A log of another save cannot finish this one: the run is refused, every
// file as it was, and the message says what the user can do.
TEST(HiveNt4Recovery, ADirtyHiveWithoutItsLogIsRefusedUntouched) {
  CTempDir machine, work;
  MakeHiveMachine(machine.Path());
  const std::string strSoftware = HivePath(machine.Path(), "SOFTWARE");
  StopSaveHalfway(strSoftware, "SOFTWARE");
  WriteHostFile(strSoftware + ".LOG",
                RegfOldLog(RegfImage(MachineHive("SOFTWARE", 1, false)), {1}));
  const auto before = HostTreeListing(machine.Path());
  const CProcessResult result =
      RunQuorrel(machine, work,
                 {"-s", "delete", "-d", CSuiteInstallation::kProgramFolder});
  EXPECT_EQ(1, result.nExitStatus);
  EXPECT_NE(std::string::npos,
            result.strStderr.find(
                strSoftware +
                ": the hive was not saved completely (sequence numbers 3 and 2 "
                "differ), and its log is of another save. Start Windows NT"))
      << result.strStderr;
  EXPECT_EQ(before, HostTreeListing(machine.Path()));
}

// The silent update needs SYSTEM alone: the other hives are not opened, so
// neither a dirty DEFAULT nor a damaged NTUSER.DAT or SOFTWARE stops it; a
// Clear, which needs them, is refused.
TEST(HiveNt4Recovery, TheSilentUpdateOpensNoHiveButSystem) {
  CTempDir machine, work;
  MakeHiveMachine(machine.Path());
  const std::string strDefault = HivePath(machine.Path(), "DEFAULT");
  std::string strDirty = ReadHostFile(strDefault);
  PutRegfDword(&strDirty, 4, 9);
  StampRegfChecksum(&strDirty);
  WriteHostFile(strDefault, strDirty);
  WriteHostFile(HivePath(machine.Path(), "SOFTWARE"), "damaged");
  WriteHostFile(UserHivePath(machine.Path()), "damaged");
  const CProcessResult update = RunQuorrel(machine, work, {"-s", "update"});
  EXPECT_EQ(0, update.nExitStatus) << update.strStderr;
  EXPECT_EQ("Update=1\r\n", ReadWholeFile(work.Path() + "/quorrel.log"));
  EXPECT_EQ("", HiveFaults(HivePath(machine.Path(), "SYSTEM")));
  EXPECT_EQ(strDirty, ReadHostFile(strDefault));

  const CProcessResult clear =
      RunQuorrel(machine, work,
                 {"-s", "delete", "-d", CSuiteInstallation::kProgramFolder});
  EXPECT_EQ(1, clear.nExitStatus);
  EXPECT_NE(std::string::npos,
            clear.strStderr.find("SOFTWARE: not a registry hive"))
      << clear.strStderr;
}
}  // namespace
