#include "CallLog.h"

#include "platform/LastError.h"

BOOL LogCall(CCallLog& log, const std::map<std::string, DWORD>& failures,
             const std::string& strName) {
  log.push_back(strName);
  const auto it = failures.find(strName);
  if (it == failures.end() || it->second == 0) return TRUE;
  SetLastError(it->second);
  return FALSE;
}
