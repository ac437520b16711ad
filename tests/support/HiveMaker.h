// Hives made at test time, written as NT 4.0 writes them (RegfWriter.h) from
// keys and values set here; and the independent readers the results are
// read back with (reglookup, regfexport; libhivex in the tests themselves).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "RegfWriter.h"

// A hive being described; Commit() writes it to its path, with the files
// NT 4.0 keeps beside it: a stale <hive>.LOG, and SYSTEM.ALT for SYSTEM.
class CHiveMaker {
 public:
  explicit CHiveMaker(const std::string& strPath);

  // The key at a backslash path below the root, made when missing.
  CRegfKey& Key(const std::string& strPath);
  bool Set(const std::string& strPath, const std::string& strName,
           uint32_t dwType, const std::string& strRaw);
  bool SetString(const std::string& strPath, const std::string& strName,
                 const std::string& strText, uint32_t dwType = 1);
  bool SetDword(const std::string& strPath, const std::string& strName,
                uint32_t dwValue);
  CRegfHive& Hive() { return m_hive; }
  bool Commit();

 private:
  std::string m_strPath;
  CRegfHive m_hive;
};

// ASCII text as the UTF-16LE bytes of a REG_SZ, terminating zero included.
std::string Utf16Sz(const std::string& strText);
// Describes a hive with root key strRoot, runs fill on it and writes it;
// the machine's usual hives all come this way.
bool MakeHive(const std::string& strPath, const std::string& strRoot,
              void (*fill)(CHiveMaker&) = nullptr);

// reglookup's listing of the hive with security descriptors and class
// names, one line a key or value, without the header and (unless bTimes)
// the modification times. Sorted.
std::vector<std::string> ReglookupLines(const std::string& strHive,
                                        bool bTimes = false);
// regfexport's listing: one entry a key, its class name and values. Sorted.
std::vector<std::string> RegfexportKeys(const std::string& strHive);
// What is wrong with a hive a test wrote: every rule RegfCheck finds
// broken, and each independent reader (reglookup, regfexport, libhivex)
// that fails on it; one line each, empty when sound.
std::string HiveFaults(const std::string& strHive);
// Lines of a that b lacks.
std::vector<std::string> LinesMissing(const std::vector<std::string>& a,
                                      const std::vector<std::string>& b);

// A machine directory holding an NT installation's hives, each made empty
// and filled: SYSTEM by fillSystem (when null: Select\Current = 1,
// ControlSet001 and ControlSet002 with their Services keys),
// SOFTWARE naming the profile of Administrator (S-1-5-21-7) in its
// ProfileList, DEFAULT, and Administrator's NTUSER.DAT.
void MakeHiveMachine(const std::string& strMachine,
                     void (*fillSystem)(CHiveMaker&) = nullptr);
// <machine>/WINNT/system32/config/<name>.
std::string HivePath(const std::string& strMachine, const std::string& strName);
std::string UserHivePath(const std::string& strMachine);
