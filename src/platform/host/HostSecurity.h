// The host's security adapter: the token model of the memory platform,
// configured from the effective user. The user is an administrator when the
// effective user is root (uid 0); QUORREL_ADMIN=0 or 1 overrides it. A
// shutdown request never reboots the host: it is recorded on the debug
// channel, the user is told that the Windows system must be restarted, and
// the run ends in order (HostRunEnd.h), as Windows' shutdown ends it.
#pragma once

#include "platform/memory/ModelSecurity.h"

class CHostSecurity : public CModelSecurity {
 public:
  CHostSecurity();
  BOOL InitiateSystemShutdownA(const char* lpMachineName, const char* lpMessage,
                               DWORD dwTimeout, BOOL bForceAppsClosed,
                               BOOL bRebootAfterShutdown) override;
};

// Whether the host counts the user as an administrator (see above).
bool HostUserIsAdministrator();
