// Entry point of the host build: sets up the machine directory and the host
// adapters, then runs the application object.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "HostClock.h"
#include "HostDebug.h"
#include "HostMachine.h"
#include "HostSecurity.h"
#include "HostUser.h"
#include "app/quorrelApp.h"
#include "platform/Platform.h"
#include "platform/memory/MemoryRegistry.h"

namespace {
// Bridge until the machine's file system adapter is wired in: the result
// file in the real current directory and the program's own path.
class CCurrentDirectoryFiles : public IFileSystem {
 public:
  HANDLE FindFirstFileA(const char*, WIN32_FIND_DATAA*) override {
    return Fail(INVALID_HANDLE_VALUE);
  }
  BOOL FindNextFileA(HANDLE, WIN32_FIND_DATAA*) override { return Fail(FALSE); }
  BOOL FindClose(HANDLE) override { return Fail(FALSE); }
  BOOL DeleteFileA(const char*) override { return Fail(FALSE); }
  BOOL RemoveDirectoryA(const char*) override { return Fail(FALSE); }
  BOOL CopyFileA(const char*, const char*, BOOL) override {
    return Fail(FALSE);
  }
  UINT GetSystemDirectoryA(char*, UINT) override { return Fail(0u); }
  UINT GetWindowsDirectoryA(char*, UINT) override { return Fail(0u); }
  DWORD GetTempPathA(DWORD, char*) override { return Fail(0u); }
  HANDLE CreateFileA(const char* lpFileName, DWORD, DWORD, DWORD,
                     DWORD) override {
    const int fd =
        open(lpFileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
      SetLastError(errno == EACCES ? ERROR_ACCESS_DENIED
                                   : ERROR_PATH_NOT_FOUND);
      return INVALID_HANDLE_VALUE;
    }
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(fd) + 1);
  }
  BOOL WriteFile(HANDLE hFile, const void* lpBuffer, DWORD cb,
                 DWORD* pcbWritten) override {
    const ssize_t n = write(Fd(hFile), lpBuffer, cb);
    if (n < 0) return Fail(FALSE, ERROR_WRITE_FAULT);
    *pcbWritten = static_cast<DWORD>(n);
    return TRUE;
  }
  BOOL CloseHandle(HANDLE hObject) override {
    return close(Fd(hObject)) == 0 ? TRUE : Fail(FALSE, ERROR_INVALID_HANDLE);
  }
  DWORD GetModuleFileNameA(char* lpFilename, DWORD nSize) override {
    const ssize_t n = readlink("/proc/self/exe", lpFilename, nSize - 1);
    if (n < 0) return Fail(0u);
    lpFilename[n] = '\0';
    return static_cast<DWORD>(n);
  }

 private:
  template <typename T>
  static T Fail(T result, DWORD dwError = ERROR_NOT_SUPPORTED) {
    SetLastError(dwError);
    return result;
  }
  static int Fd(HANDLE h) {
    return static_cast<int>(reinterpret_cast<intptr_t>(h) - 1);
  }
};

// Another instance asks this one to come forward with SIGUSR1; the default
// action would end the process.
void OnComeForward(int) {}
}  // namespace

int main(int argc, char** argv) {
  signal(SIGUSR1, OnComeForward);
  const std::string strMachine = HostMachineDirectory();
  if (strMachine.empty()) {
    std::fprintf(stderr, "quorrel: can't create the machine directory\n");
    return 1;
  }
  CMemoryRegistry registry;
  CHostSecurity security;
  CHostDebug debug(strMachine + "/quorrel-debug.log");
  CHostClock clock;
  CHostUser user(strMachine + "/run/windows");
  CCurrentDirectoryFiles files;

  CPlatform platform;
  platform.pRegistry = &registry;
  platform.pSecurity = &security;
  platform.pDebug = &debug;
  platform.pClock = &clock;
  platform.pUser = &user;
  platform.pFiles = &files;
  SetPlatform(platform);

  CquorrelApp& app = QuorrelApp();
  app.m_args.assign(argv + 1, argv + argc);
  app.InitInstance();
  return 0;
}
