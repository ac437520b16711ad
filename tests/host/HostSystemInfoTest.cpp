#include <gtest/gtest.h>

#include "platform/host/HostSystemInfo.h"

namespace {

TEST(HostSystemInfoTest, MemInfoGivesTotalAndAvailableBytes) {
  unsigned long long nTotal = 0, nAvail = 0;
  EXPECT_TRUE(
      ParseMemInfo("MemTotal:       16303240 kB\nMemFree:          812344 kB\n"
                   "MemAvailable:   10262184 kB\nBuffers: 1 kB\n",
                   &nTotal, &nAvail));
  EXPECT_EQ(16303240ull * 1024, nTotal);
  EXPECT_EQ(10262184ull * 1024, nAvail);
  // Without MemAvailable the free memory stands in.
  EXPECT_TRUE(
      ParseMemInfo("MemTotal: 100 kB\nMemFree: 40 kB\n", &nTotal, &nAvail));
  EXPECT_EQ(40ull * 1024, nAvail);
  EXPECT_FALSE(ParseMemInfo("garbage\n", &nTotal, &nAvail));
}

TEST(HostSystemInfoTest, ClusterCountsFitADwordAndKeepTheBytes) {
  const struct {
    unsigned long long nFree, nTotal;
    unsigned long nBlock;
  } cases[] = {
      {1024, 4096, 4096},
      {5ull << 30, 8ull << 30, 4096},    // beyond 4 GB
      {30ull << 40, 40ull << 40, 4096},  // 30 TB: clusters must grow
      {0, 1ull << 20, 1024},
  };
  for (const auto& c : cases) {
    DWORD dwSpc, dwBps, dwFree, dwTotal;
    ClusterGeometry(c.nFree, c.nTotal, c.nBlock, &dwSpc, &dwBps, &dwFree,
                    &dwTotal);
    const unsigned long long nCluster =
        static_cast<unsigned long long>(dwSpc) * dwBps;
    EXPECT_EQ(512u, dwBps);
    EXPECT_GE(nCluster, c.nBlock);
    EXPECT_EQ(c.nFree / nCluster, dwFree) << c.nFree;
    EXPECT_EQ(c.nTotal / nCluster, dwTotal) << c.nTotal;
    // What is lost to the cluster rounding is less than one cluster.
    EXPECT_LT(c.nFree - static_cast<unsigned long long>(dwFree) * nCluster,
              nCluster);
  }
}

TEST(HostSystemInfoTest, CurrentDirectoryHasAFreeSpaceFigure) {
  CHostSystemInfo info;
  DWORD dwSpc = 0, dwBps = 0, dwFree = 0, dwTotal = 0;
  ASSERT_TRUE(
      info.GetDiskFreeSpaceA(nullptr, &dwSpc, &dwBps, &dwFree, &dwTotal));
  EXPECT_GT(dwTotal, 0u);
  EXPECT_LE(dwFree, dwTotal);
  MEMORYSTATUS status = {};
  info.GlobalMemoryStatus(&status);
  EXPECT_GT(status.dwTotalPhys, 0u);
  EXPECT_LE(status.dwAvailPhys, status.dwTotalPhys);
}

}  // namespace
