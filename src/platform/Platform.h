// The ports of one run. Set once at start-up by the entry point (real
// adapters) or by a test (fakes); the logic reaches the system only here.
#pragma once

#include "Clock.h"
#include "Debug.h"
#include "Device.h"
#include "FileSystem.h"
#include "LastError.h"
#include "Registry.h"
#include "Security.h"
#include "ServiceManager.h"
#include "Shell.h"
#include "SystemInfo.h"
#include "User.h"

struct CPlatform {
  IRegistry* pRegistry = nullptr;
  ISecurity* pSecurity = nullptr;
  IFileSystem* pFiles = nullptr;
  IShell* pShell = nullptr;
  IServiceManager* pServices = nullptr;
  IDevice* pDevices = nullptr;
  IUser* pUser = nullptr;
  ISystemInfo* pSystemInfo = nullptr;
  IDebug* pDebug = nullptr;
  IClock* pClock = nullptr;
};

// The current ports. A port asked for that the run never set stops the run
// with a message naming it.
CPlatform& Platform();
void SetPlatform(const CPlatform& platform);

IRegistry& Registry();
ISecurity& Security();
IFileSystem& Files();
IShell& Shell();
IServiceManager& Services();
IDevice& Devices();
IUser& User();
ISystemInfo& SystemInfo();
IDebug& Debug();
IClock& Clock();
