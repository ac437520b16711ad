// Entry point of the Windows build: the Win32 adapters behind every port,
// the framework's windows real ones, then the application object.
#include <cstdlib>

#include "Win32Clock.h"
#include "Win32Debug.h"
#include "Win32Device.h"
#include "Win32FileSystem.h"
#include "Win32Registry.h"
#include "Win32Security.h"
#include "Win32ServiceManager.h"
#include "Win32Shell.h"
#include "Win32SystemInfo.h"
#include "Win32User.h"
#include "app/ProgramServices.h"
#include "app/quorrelApp.h"
#include "platform/Platform.h"
#include "ui/Win32WindowSystem.h"

namespace {
int RunApp() {
  // The C runtime has split and unquoted the command line by the system's
  // usual rules.
  InstallProgramServices();
  CquorrelApp& app = QuorrelApp();
  app.m_args.assign(__argv + 1, __argv + __argc);
  // The framework's windows are real windows.
  CWin32WindowSystem windows;
  IWindowSystem* pPrevious = AfxSetWindowSystem(&windows);
  const int nExitCode = app.InitInstance() ? app.Run() : 0;
  AfxSetWindowSystem(pPrevious);
  return nExitCode;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The folder browser of the shell needs COM on this thread.
  const HRESULT hrCom = ::CoInitialize(nullptr);

  CWin32Registry registry;
  CWin32Security security;
  CWin32FileSystem files;
  CWin32Shell shell;
  CWin32ServiceManager services;
  CWin32Device devices;
  CWin32User user;
  CWin32SystemInfo systemInfo;
  CWin32Debug debug;
  CWin32Clock clock;

  CPlatform platform;
  platform.pRegistry = &registry;
  platform.pSecurity = &security;
  platform.pFiles = &files;
  platform.pShell = &shell;
  platform.pServices = &services;
  platform.pDevices = &devices;
  platform.pUser = &user;
  platform.pSystemInfo = &systemInfo;
  platform.pDebug = &debug;
  platform.pClock = &clock;
  SetPlatform(platform);

  const int nExitCode = RunApp();
  if (SUCCEEDED(hrCom)) ::CoUninitialize();
  return nExitCode;
}
