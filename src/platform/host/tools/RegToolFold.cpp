// quorrel-reg fold: writes the .reg store's journal into its files, so that
// they can be edited by hand (a journal left beside them would be replayed
// over the edit, and the store refuses that).
#include <cstdio>
#include <sstream>

#include "RegTool.h"
#include "platform/host/store/HostRegistryStore.h"

int RunFold(const std::string& strMachine) {
  std::string strNotice;
  std::string strError;
  const LONG lResult =
      CHostRegistryStore::Fold(strMachine, &strNotice, &strError);
  std::istringstream notice(strNotice);
  for (std::string strLine; std::getline(notice, strLine);)
    std::fprintf(stderr, "quorrel-reg: %s\n", strLine.c_str());
  if (lResult == ERROR_SUCCESS) return 0;
  std::fprintf(stderr, "quorrel-reg: %s\n", strError.c_str());
  return lResult == ERROR_SHARING_VIOLATION ? kToolBusy : kToolFailed;
}
