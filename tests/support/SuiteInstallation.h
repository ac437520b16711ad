// A machine directory holding a whole installation of the suite next to
// unrelated keys and files, and the machine a silent Clear must leave of
// it: every trace gone, Windows' own Pcmcia.sys restored, Pcmcia and Cdrom
// pointed back at Windows' drivers, everything else byte-identical.
//
// Registry files are REGEDIT4 text (<machine>/registry/<ROOT>.reg); the
// running control set is ControlSet001, ControlSet002 is another one that
// must not be touched. The active hardware profile's alias is named as the
// test asks ("Current" is skipped by the Clear, "current" is not).
#pragma once

#include <string>
#include <vector>

struct CSuiteInstallation {
  std::string strProfileAlias = "Current";
  // The suite's program folder, as -d names it.
  static const char kProgramFolder[];

  // The installation as it stands before the Clear.
  void SeedBefore(const std::string& strMachine) const;
  // What a Clear with -d of the program folder leaves; with bProgramFolder
  // false, what a Clear without -d leaves (the program folder and the
  // suite's Pcmcia.sys in place).
  void SeedExpectedAfter(const std::string& strMachine,
                         bool bProgramFolder = true) const;

  // The text of one registry file, before or after.
  std::string RegistryFile(const std::string& strRoot, bool bAfter) const;
};

// Every Windows file and folder below the machine directory ("path=content",
// folders ending in '/'), without the host's own bookkeeping (registry
// files, window and service state, debug log).
std::vector<std::string> MachineFiles(const std::string& strMachine);
