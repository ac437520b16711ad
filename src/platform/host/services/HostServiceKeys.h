// The service keys the host's service control manager keeps its database
// in: HKLM "System\CurrentControlSet\Services\<name>", read and written
// through the registry port. Every function returns a Windows error code.
#pragma once

#include <string>
#include <vector>

#include "platform/Registry.h"

constexpr char kHostServicesKey[] = "System\\CurrentControlSet\\Services";

std::string ServiceKeyPath(const std::string& strService);
// ERROR_FILE_NOT_FOUND when the key or the value is missing, ERROR_BADKEY
// when the value is not a REG_DWORD.
DWORD ReadServiceDword(IRegistry& registry, const std::string& strService,
                       const char* pszValue, DWORD* pdwData);
// REG_SZ or REG_EXPAND_SZ text (unexpanded); empty when missing.
DWORD ReadServiceString(IRegistry& registry, const std::string& strService,
                        const char* pszValue, std::string* pstrText);
// True when the key exists and holds a REG_DWORD "Type".
bool IsService(IRegistry& registry, const std::string& strService,
               DWORD* pdwType);

struct CServiceValue {
  const char* pszName;
  DWORD dwType;
  std::vector<BYTE> data;
};
CServiceValue DwordValue(const char* pszName, DWORD dwData);
CServiceValue TextValue(const char* pszName, DWORD dwType,
                        const std::string& strText);
// Creates the key when missing, sets the values in order and flushes.
DWORD WriteServiceValues(IRegistry& registry, const std::string& strService,
                         const std::vector<CServiceValue>& values);
// Deletes the service's key and everything below it.
DWORD DeleteServiceKey(IRegistry& registry, const std::string& strService);
// The names of the keys below the Services key.
std::vector<std::string> ServiceKeyNames(IRegistry& registry);
