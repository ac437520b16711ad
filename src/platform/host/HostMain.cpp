// Entry point of the host build: sets up the machine directory and the host
// adapters, then runs the application object.
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "HostClock.h"
#include "HostComeForward.h"
#include "HostDebug.h"
#include "HostMachine.h"
#include "HostRunEnd.h"
#include "HostSecurity.h"
#include "HostSystemInfo.h"
#include "HostUser.h"
#include "app/CommandLine.h"
#include "app/ProgramServices.h"
#include "app/RunMode.h"
#include "app/quorrelApp.h"
#include "fw/FrameworkUser.h"
#include "fw/MessageQueue.h"
#include "fw/StringTable.h"
#include "fw/UiAdapter.h"
#include "fw/WinApp.h"
#include "fw/Wnd.h"
#include "platform/Platform.h"
#include "platform/host/files/HostFileSystem.h"
#include "platform/host/files/HostShell.h"
#include "platform/host/services/HostDevice.h"
#include "platform/host/services/HostServiceManager.h"
#include "platform/host/store/HostRegistryStore.h"
#include "platform/host/tui/TuiSession.h"

namespace {
// The silent update writes HKLM\SYSTEM alone: of an NT installation's
// hives no other is opened (a damaged NTUSER.DAT does not stop it).
bool NeedsSystemHiveOnly(int argc, char** argv) {
  CquorrelCommandLineInfo info;
  ParseCommandLine(info, std::vector<std::string>(argv + 1, argv + argc));
  const bool bUpdateOnly = g_bSilentUpdate && !g_bSilentDelete &&
                           !g_bShowUsage && !g_bCommandLineError;
  ResetRunMode();  // the application parses it again
  return bUpdateOnly;
}

// A silent run whose registry can't be opened leaves no result file (an
// earlier run's is removed); the message that says why is on standard error.
void AnswerRunNotStarted(const std::vector<std::string>& args,
                         const std::string& strMachine) {
  CquorrelCommandLineInfo info;
  ParseCommandLine(info, args);
  if (g_bSilentUpdate || g_bSilentDelete) {
    CHostFileSystem files(strMachine);
    CPlatform platform;
    platform.pFiles = &files;
    SetPlatform(platform);
    if (!RemoveEarlierSilentResult())
      std::fprintf(stderr,
                   "quorrel: an earlier run's quorrel.log could not be "
                   "removed (error %lu); it is not this run's result\n",
                   static_cast<unsigned long>(GetLastError()));
  }
  ResetRunMode();
}

void TellStoreTrouble(const std::string& strReason) {
  const std::string strText =
      "The registry could not be used: " + strReason + ".";
  User().MessageBoxA(nullptr, strText.c_str(),
                     LoadResString(IDS_APP_TITLE).c_str(),
                     MB_OK | MB_ICONEXCLAMATION, 0);
}
}  // namespace

int main(int argc, char** argv) {
  // Another instance asks this one to come forward with SIGUSR1 (whose
  // default action would end the process).
  InstallComeForwardSignal();
  InstallHostEndSignals();
  const std::string strMachine = HostMachineDirectory();
  if (strMachine.empty()) {
    std::fprintf(stderr, "quorrel: can't create the machine directory\n");
    return 1;
  }
  // The machine's registry (its hives or the .reg files); every change is
  // stored when the run ends. A run that only shows the usage text reads
  // no registry: it is shown whatever state the store is in.
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool bUsageRun = IsUsageRun(args);
  CHostRegistryStore store;
  std::string strError;
  if (!bUsageRun &&
      store.Open(strMachine, &strError, NeedsSystemHiveOnly(argc, argv)) !=
          ERROR_SUCCESS) {
    std::fprintf(stderr, "quorrel: %s\n", strError.c_str());
    AnswerRunNotStarted(args, strMachine);
    return 1;
  }
  for (const std::string& strRecovered : store.Recovered())
    std::fprintf(stderr, "quorrel: %s\n", strRecovered.c_str());
  CMemoryRegistry noRegistry;
  IRegistry& registry =
      bUsageRun ? static_cast<IRegistry&>(noRegistry) : store.Registry();
  CHostSecurity security;
  CHostDebug debug(strMachine + "/quorrel-debug.log");
  CHostClock clock(HostClockScale());
  // In a terminal the program's windows are drawn full-screen.
  IUiAdapter* pUi = nullptr;
  std::unique_ptr<CHostUser> pUser =
      CreateHostUser(strMachine + "/run/windows", &pUi);
  CHostUser& user = *pUser;
  if (pUi) SetUi(pUi);
  CHostFileSystem files(strMachine);
  CHostShell shell(files);
  UseTerminalFolderBrowser(pUi, shell, files);
  CHostServiceManager services(registry, strMachine);
  CHostDevice devices(registry, strMachine);
  CHostSystemInfo systemInfo;
  // The program's own windows are the framework's; the port reaches them
  // through this layer, and every other window through the host's list.
  CFrameworkUser frameworkUser(user);

  CPlatform platform;
  platform.pRegistry = &registry;
  platform.pSecurity = &security;
  platform.pDebug = &debug;
  platform.pClock = &clock;
  platform.pUser = &frameworkUser;
  platform.pSystemInfo = &systemInfo;
  platform.pFiles = &files;
  platform.pShell = &shell;
  platform.pServices = &services;
  platform.pDevices = &devices;
  SetPlatform(platform);
  store.SetTroubleNotice(TellStoreTrouble);
  // A signal or a restart request ends the message loop; the windows close
  // and the store is closed below, as when the user exits.
  SetHostEndRequest([] { AfxPostQuitMessage(0); });

  InstallProgramServices();
  CquorrelApp& app = QuorrelApp();
  app.m_args = args;
  // The process's exit status carries no result.
  if (app.InitInstance()) app.Run();
  // A run ended by a signal or a restart request still has its main
  // window: it closes first, as when the user exits.
  if (CWnd* pMain = AfxGetMainWnd()) pMain->DestroyWindow();
  if (!bUsageRun && store.Close(&strError) != ERROR_SUCCESS)
    std::fprintf(stderr, "quorrel: %s\n", strError.c_str());
  if (HostEndSignal() != 0) {
    if (pUi) SetUi(nullptr);
    pUser.reset();  // the windows go: the terminal is left as it was
    // Ended in order; the caller still learns which signal ended it.
    signal(HostEndSignal(), SIG_DFL);
    raise(HostEndSignal());
  }
  return 0;
}
