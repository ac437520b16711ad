// quorrel-reg: reads and changes the registry store of the machine directory
// (QUORREL_MACHINE) from the command line. One file a verb; each returns the
// process exit code: 0 done, 1 failed, 2 usage error, 3 the store was busy
// (another program held it past the wait bound).
#pragma once

#include <string>

#include "platform/Registry.h"

constexpr int kToolFailed = 1;
constexpr int kToolUsage = 2;
constexpr int kToolBusy = 3;

// The exit code for a failed call on strKey, after its message: "no key"
// only when the key is not there; a busy store says so (the store has
// named the program that holds it).
int ToolFailure(LONG lResult, const std::string& strKey);

// Splits "HKEY_LOCAL_MACHINE\path" (or HKLM, HKU, HKCU, HKCR) into root and
// path; false for an unknown root.
bool SplitToolKey(const std::string& strKey, HKEY* phRoot,
                  std::string* pstrPath);
// The full name of a root ("HKEY_LOCAL_MACHINE").
const char* RootName(HKEY hRoot);

int RunDump(IRegistry& registry, const std::string& strKey);
int RunQuery(IRegistry& registry, const std::string& strKey,
             const char* pszValue);
int RunDelete(IRegistry& registry, const std::string& strKey,
              const char* pszValue);
int RunImport(IRegistry& registry, const std::string& strFile);
// Folds the store's journal into its files (before editing them by hand).
int RunFold(const std::string& strMachine);
