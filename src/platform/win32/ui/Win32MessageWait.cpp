#include "Win32MessageWait.h"

namespace {
typedef DWORD(WINAPI* PFN_MSG_WAIT_EX)(DWORD, const HANDLE*, DWORD, DWORD,
                                       DWORD);

PFN_MSG_WAIT_EX MsgWaitEx() {
  static const PFN_MSG_WAIT_EX s_pfn = [] {
    const HMODULE hUser = GetModuleHandleA("user32.dll");
    return hUser ? reinterpret_cast<PFN_MSG_WAIT_EX>(reinterpret_cast<void*>(
                       GetProcAddress(hUser, "MsgWaitForMultipleObjectsEx")))
                 : nullptr;
  }();
  return s_pfn;
}
}  // namespace

void Win32WaitForMessage(DWORD dwMilliseconds) {
  if (PFN_MSG_WAIT_EX pfnEx = MsgWaitEx()) {
    pfnEx(0, nullptr, dwMilliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return;
  }
  MsgWaitForMultipleObjects(0, nullptr, FALSE, dwMilliseconds, QS_ALLINPUT);
}
