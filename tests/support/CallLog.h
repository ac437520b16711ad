// The calls a test's fake ports received, by name, in order; ports that
// work together (a service and the device its driver opens) share one.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

typedef std::vector<std::string> CCallLog;

// Logs call strName; FALSE with the last error set when failures names it
// with a nonzero error.
BOOL LogCall(CCallLog& log, const std::map<std::string, DWORD>& failures,
             const std::string& strName);
