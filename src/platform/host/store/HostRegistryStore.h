// The machine's registry, on whichever store the machine directory holds:
// the hive files of an NT installation when there is
// WINNT\system32\config\SYSTEM (hive/HiveRegistry.h), otherwise the .reg
// files of <machine>/registry (FileRegistry.h).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FileRegistry.h"
#include "platform/host/hive/HiveRegistry.h"

class CHostRegistryStore {
 public:
  // Picks the store and opens it; *pstrError names the file and the reason
  // when it can't. bSystemOnly: the run needs HKLM\SYSTEM alone, and of an
  // NT installation's hives only SYSTEM is opened.
  LONG Open(const std::string& strMachine, std::string* pstrError,
            bool bSystemOnly = false);
  LONG Close(std::string* pstrError);
  // Folds the .reg store's journal into its files (CFileRegistry::FoldStore);
  // the hive store keeps no journal, and opening it replays one a run left.
  // *pstrNotice: what the user is told, a line each.
  static LONG Fold(const std::string& strMachine, std::string* pstrNotice,
                   std::string* pstrError);
  // Told when the .reg store can't be used (busy past its bound, disk full).
  void SetTroubleNotice(std::function<void(const std::string&)> notice);
  // Valid once Open succeeded.
  CMemoryRegistry& Registry();
  bool IsHiveStore() const { return m_pHive != nullptr; }
  // The hives recovered on open, one line each (CHiveRegistry::Recovered).
  std::vector<std::string> Recovered() const {
    return m_pHive ? m_pHive->Recovered() : std::vector<std::string>();
  }

 private:
  std::unique_ptr<CFileRegistry> m_pFile;
  std::unique_ptr<CHiveRegistry> m_pHive;
};

// The user whose profile HKEY_CURRENT_USER is: $USER, or Administrator.
std::string HostUserName();
