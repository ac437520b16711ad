#include "HostSecurity.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "HostRunEnd.h"
#include "fw/StringTable.h"
#include "platform/Platform.h"

bool HostUserIsAdministrator() {
  const char* pszAdmin = std::getenv("QUORREL_ADMIN");
  if (pszAdmin != nullptr && std::strcmp(pszAdmin, "0") == 0) return false;
  if (pszAdmin != nullptr && std::strcmp(pszAdmin, "1") == 0) return true;
  return geteuid() == 0;
}

CHostSecurity::CHostSecurity() {
  m_processToken.bAdministrator = HostUserIsAdministrator();
  // Windows gives administrators the shutdown privilege; others may lack it.
  m_processToken.bShutdownPrivilege = m_processToken.bAdministrator;
}

BOOL CHostSecurity::InitiateSystemShutdownA(const char* lpMachineName,
                                            const char* lpMessage,
                                            DWORD dwTimeout,
                                            BOOL bForceAppsClosed,
                                            BOOL bRebootAfterShutdown) {
  if (!CModelSecurity::InitiateSystemShutdownA(lpMachineName, lpMessage,
                                               dwTimeout, bForceAppsClosed,
                                               bRebootAfterShutdown))
    return FALSE;
  Debug().OutputDebugStringA(
      "host: restart of the Windows system requested; this host is not "
      "rebooted\n");
  const std::string strCaption = LoadResString(IDS_APP_TITLE);
  User().MessageBoxA(nullptr,
                     "The Windows system must now be restarted for the changes "
                     "to take effect.\n(This host is not rebooted; the "
                     "program ends, as it would with the system.)",
                     strCaption.c_str(), MB_OK | MB_ICONINFORMATION, 0);
  // Windows ends its programs for the restart: here the run ends in order.
  RequestHostRunEnd();
  return TRUE;
}
