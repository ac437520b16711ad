// The registries the conformance suite runs against. Each build links its
// own list: the host's memory registry and file store, or the real Windows
// registry.
#pragma once

#include <memory>
#include <vector>

#include "platform/Registry.h"

class CRegistryUnderTest {
 public:
  virtual ~CRegistryUnderTest() = default;
  virtual IRegistry& Registry() = 0;
  // An open, empty key the test may fill; removed with the object.
  virtual HKEY Scratch() = 0;
  // TRUE for Wine's implementation of the Windows registry: where Wine is
  // known to answer otherwise than Windows, the case says so visibly and
  // pins Wine's answer instead.
  virtual bool IsWine() const { return false; }
};

// Marks a case as a known difference of Wine's registry from Windows, in
// the test output and the test's XML properties.
void ReportKnownWineDifference(const char* pszWhat);

struct CRegistryFactory {
  const char* pszName;  // a test name part: letters and digits only
  std::unique_ptr<CRegistryUnderTest> (*pfnCreate)();
};

const std::vector<CRegistryFactory>& RegistryFactories();
