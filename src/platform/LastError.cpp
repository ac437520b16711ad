#include "LastError.h"

#ifndef _WIN32
namespace {
// The program is single-threaded, as the Windows original; thread_local keeps
// tests that run adapters on helper threads honest anyway.
thread_local DWORD t_dwLastError = 0;
}  // namespace

DWORD GetLastError() { return t_dwLastError; }
void SetLastError(DWORD dwErrCode) { t_dwLastError = dwErrCode; }
#endif
