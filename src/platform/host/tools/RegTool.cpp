#include "RegTool.h"

#include <cstdio>
#include <cstring>

#include "platform/host/HostMachine.h"
#include "platform/host/store/HostRegistryStore.h"
#include "platform/memory/RegistryTree.h"

namespace {
const struct {
  const char* pszName;
  const char* pszShort;
  HKEY hRoot;
} kRoots[] = {{"HKEY_LOCAL_MACHINE", "HKLM", HKEY_LOCAL_MACHINE},
              {"HKEY_USERS", "HKU", HKEY_USERS},
              {"HKEY_CURRENT_USER", "HKCU", HKEY_CURRENT_USER},
              {"HKEY_CLASSES_ROOT", "HKCR", HKEY_CLASSES_ROOT}};

const char kUsage[] =
    "usage: quorrel-reg dump <KEY>\n"
    "       quorrel-reg query <KEY> [<value>]\n"
    "       quorrel-reg delete <KEY> [<value>]\n"
    "       quorrel-reg import <file.reg>\n"
    "       quorrel-reg fold\n"
    "Works on the registry of the machine directory $QUORREL_MACHINE: its\n"
    "NT hive files when it holds WINNT\\system32\\config\\SYSTEM, otherwise\n"
    "its .reg files.\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return kToolUsage;
}

// Runs one verb on the open store; changes are stored when it closes.
int RunVerb(IRegistry& registry, int argc, char** argv) {
  const char* pszVerb = argv[1];
  const char* pszExtra = argc > 3 ? argv[3] : nullptr;
  if (std::strcmp(pszVerb, "dump") == 0 && argc == 3)
    return RunDump(registry, argv[2]);
  if (std::strcmp(pszVerb, "query") == 0 && argc <= 4)
    return RunQuery(registry, argv[2], pszExtra);
  if (std::strcmp(pszVerb, "delete") == 0 && argc <= 4)
    return RunDelete(registry, argv[2], pszExtra);
  if (std::strcmp(pszVerb, "import") == 0 && argc == 3)
    return RunImport(registry, argv[2]);
  return Usage();
}

bool IsVerb(const char* pszVerb) {
  for (const char* pszKnown : {"dump", "query", "delete", "import", "fold"})
    if (std::strcmp(pszVerb, pszKnown) == 0) return true;
  return false;
}
}  // namespace

bool SplitToolKey(const std::string& strKey, HKEY* phRoot,
                  std::string* pstrPath) {
  const size_t nSlash = strKey.find('\\');
  const std::string strRoot = strKey.substr(0, nSlash);
  *pstrPath = nSlash == std::string::npos ? "" : strKey.substr(nSlash + 1);
  for (const auto& root : kRoots) {
    if (EqualRegNames(strRoot, root.pszName) ||
        EqualRegNames(strRoot, root.pszShort)) {
      *phRoot = root.hRoot;
      return true;
    }
  }
  return false;
}

const char* RootName(HKEY hRoot) {
  for (const auto& root : kRoots)
    if (root.hRoot == hRoot) return root.pszName;
  return "";
}

int ToolFailure(LONG lResult, const std::string& strKey) {
  if (lResult == ERROR_FILE_NOT_FOUND || lResult == ERROR_PATH_NOT_FOUND) {
    std::fprintf(stderr, "quorrel-reg: no key \"%s\"\n", strKey.c_str());
    return kToolFailed;
  }
  if (lResult == ERROR_SHARING_VIOLATION) {
    std::fprintf(stderr,
                 "quorrel-reg: the registry store is busy; \"%s\" was not "
                 "read or changed\n",
                 strKey.c_str());
    return kToolBusy;
  }
  std::fprintf(stderr, "quorrel-reg: \"%s\" failed with error %ld\n",
               strKey.c_str(), static_cast<long>(lResult));
  return kToolFailed;
}

int main(int argc, char** argv) {
  const bool bFold = argc == 2 && std::strcmp(argv[1], "fold") == 0;
  if ((argc < 3 && !bFold) || !IsVerb(argv[1])) return Usage();
  const std::string strMachine = HostMachineDirectory();
  if (strMachine.empty()) {
    std::fputs("quorrel-reg: cannot create the machine directory\n", stderr);
    return kToolFailed;
  }
  // Before the store is opened: a store its journal can't be replayed on
  // is refused by the open, and folding it is the way out.
  if (bFold) return RunFold(strMachine);
  CHostRegistryStore store;
  std::string strError;
  const LONG lOpened = store.Open(strMachine, &strError);
  if (lOpened != ERROR_SUCCESS) {
    std::fprintf(stderr, "quorrel-reg: %s\n", strError.c_str());
    return lOpened == ERROR_SHARING_VIOLATION ? kToolBusy : kToolFailed;
  }
  // Told as quorrel tells it: a hive recovered in memory is written only
  // when it changes.
  for (const std::string& strRecovered : store.Recovered())
    std::fprintf(stderr, "quorrel-reg: %s\n", strRecovered.c_str());
  // Why a call failed for the store as a whole: which program holds it.
  store.SetTroubleNotice([](const std::string& strReason) {
    std::fprintf(stderr, "quorrel-reg: %s\n", strReason.c_str());
  });
  int nResult = RunVerb(store.Registry(), argc, argv);
  if (store.Close(&strError) != ERROR_SUCCESS) {
    std::fprintf(stderr, "quorrel-reg: %s\n", strError.c_str());
    nResult = kToolFailed;
  }
  return nResult;
}
