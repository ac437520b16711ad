#include "PumpingWait.h"

#include "platform/Platform.h"

void SleepAndDispatchMessages(DWORD dwMilliseconds) {
  Clock().Sleep(dwMilliseconds);
  User().DispatchPendingMessages();
}
