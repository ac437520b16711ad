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
};

struct CRegistryFactory {
  const char* pszName;  // a test name part: letters and digits only
  std::unique_ptr<CRegistryUnderTest> (*pfnCreate)();
};

const std::vector<CRegistryFactory>& RegistryFactories();
