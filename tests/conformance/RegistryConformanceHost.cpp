// The host's registries under the conformance suite: the in-memory
// registry, the file store in a directory of its own, and the hive store on
// hives made for it (whatever a case leaves must then commit to the hive).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RegistryConformance.h"
#include "platform/host/hive/HiveRegistry.h"
#include "platform/host/store/FileRegistry.h"
#include "platform/memory/MemoryRegistry.h"
#include "support/HiveMaker.h"
#include "support/ProcessRunner.h"

namespace {
const char kScratchPath[] = "Software\\quorrel conformance";

class CMemoryUnderTest : public CRegistryUnderTest {
 public:
  CMemoryUnderTest() {
    m_registry.RegCreateKeyExA(HKEY_CURRENT_USER, kScratchPath, &m_hScratch,
                               nullptr);
  }
  IRegistry& Registry() override { return m_registry; }
  HKEY Scratch() override { return m_hScratch; }

 private:
  CMemoryRegistry m_registry;
  HKEY m_hScratch = nullptr;
};

class CFileStoreUnderTest : public CRegistryUnderTest {
 public:
  CFileStoreUnderTest() {
    std::string strError;
    if (m_registry.Open(m_dir.Path(), &strError) == ERROR_SUCCESS)
      m_registry.RegCreateKeyExA(HKEY_CURRENT_USER, kScratchPath, &m_hScratch,
                                 nullptr);
  }
  ~CFileStoreUnderTest() override {
    std::string strError;
    m_registry.Close(&strError);
  }
  IRegistry& Registry() override { return m_registry; }
  HKEY Scratch() override { return m_hScratch; }

 private:
  CTempDir m_dir;
  CFileRegistry m_registry;
  HKEY m_hScratch = nullptr;
};

class CHiveStoreUnderTest : public CRegistryUnderTest {
 public:
  CHiveStoreUnderTest() {
    MakeHiveMachine(m_dir.Path());
    CHiveMachine machine;
    std::string strError;
    if (FindHiveMachine(m_dir.Path(), "Administrator", &machine) &&
        m_registry.Open(machine, &strError) == ERROR_SUCCESS)
      m_registry.RegCreateKeyExA(HKEY_CURRENT_USER, kScratchPath, &m_hScratch,
                                 nullptr);
  }
  ~CHiveStoreUnderTest() override {
    std::string strError;
    EXPECT_EQ(ERROR_SUCCESS, m_registry.Close(&strError)) << strError;
    EXPECT_EQ("", HiveFaults(UserHivePath(m_dir.Path())));
  }
  IRegistry& Registry() override { return m_registry; }
  HKEY Scratch() override { return m_hScratch; }

 private:
  CTempDir m_dir;
  CHiveRegistry m_registry;
  HKEY m_hScratch = nullptr;
};

template <class T>
std::unique_ptr<CRegistryUnderTest> Make() {
  return std::unique_ptr<CRegistryUnderTest>(new T);
}
}  // namespace

const std::vector<CRegistryFactory>& RegistryFactories() {
  static const std::vector<CRegistryFactory> s_factories = {
      {"Memory", &Make<CMemoryUnderTest>},
      {"FileStore", &Make<CFileStoreUnderTest>},
      {"HiveStore", &Make<CHiveStoreUnderTest>}};
  return s_factories;
}
