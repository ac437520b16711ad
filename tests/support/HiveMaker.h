// Hives made at test time: an empty hive written by hand (its base block,
// one bin with the root key, a security descriptor and a class name), then
// filled through libhivex; and the two independent readers the results are
// read back with (reglookup, regfexport).
#pragma once

#include <hivex.h>

#include <cstdint>
#include <string>
#include <vector>

// Writes an empty hive: root key named strRoot, with class name strClass.
bool WriteEmptyHive(const std::string& strPath, const std::string& strRoot,
                    const std::string& strClass = "RootClass");

// An open hive, filled through libhivex; Commit() writes it in place.
class CHiveMaker {
 public:
  explicit CHiveMaker(const std::string& strPath);
  ~CHiveMaker();
  CHiveMaker(const CHiveMaker&) = delete;
  CHiveMaker& operator=(const CHiveMaker&) = delete;

  bool IsOpen() const { return m_pHive != nullptr; }
  // The key at a backslash path below the root, created when missing.
  hive_node_h Key(const std::string& strPath);
  bool Set(const std::string& strPath, const std::string& strName,
           uint32_t dwType, const std::string& strRaw);
  bool SetString(const std::string& strPath, const std::string& strName,
                 const std::string& strText, uint32_t dwType = 1);
  bool SetDword(const std::string& strPath, const std::string& strName,
                uint32_t dwValue);
  bool Commit();

 private:
  hive_h* m_pHive = nullptr;
};

// Text of the system code page as UTF-8, the names libhivex takes.
std::string CodePageToUtf8(const std::string& strText);
// ASCII text as the UTF-16LE bytes of a REG_SZ, terminating zero included.
std::string Utf16Sz(const std::string& strText);
// Makes an empty hive, runs fill on it and commits; the machine's usual
// hives all come this way.
bool MakeHive(const std::string& strPath, const std::string& strRoot,
              void (*fill)(CHiveMaker&) = nullptr);

// reglookup's listing of the hive with security descriptors and class
// names, one line a key or value, without the header and (unless bTimes)
// the modification times. Sorted.
std::vector<std::string> ReglookupLines(const std::string& strHive,
                                        bool bTimes = false);
// regfexport's listing: one entry a key, its class name and values. Sorted.
std::vector<std::string> RegfexportKeys(const std::string& strHive);
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
