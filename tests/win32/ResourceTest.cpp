// The compiled resources of the Windows build against the program's own
// resource data: what the generated script holds must read back through
// the Windows resource functions exactly as the logic has it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fw/StringTable.h"

namespace {
struct CStringEntry {
  UINT nID;
  std::string strText;
};

void Collect(UINT nID, const char* pszText, void* pv) {
  static_cast<std::vector<CStringEntry>*>(pv)->push_back({nID, pszText});
}

std::vector<CStringEntry> AllStrings() {
  std::vector<CStringEntry> entries;
  ForEachResString(Collect, &entries);
  return entries;
}

TEST(Win32Resources, EveryStringLoadsBackUnchanged) {
  const std::vector<CStringEntry> entries = AllStrings();
  ASSERT_FALSE(entries.empty());
  for (const CStringEntry& entry : entries) {
    char szBuffer[4096];
    const int nLength = ::LoadStringA(::GetModuleHandleA(nullptr), entry.nID,
                                      szBuffer, sizeof(szBuffer));
    EXPECT_EQ(entry.strText, std::string(szBuffer, nLength > 0 ? nLength : 0))
        << "string " << entry.nID;
  }
}

TEST(Win32Resources, PicturesHaveTheirSizesAndColourDepth) {
  struct {
    UINT nID;
    LONG cx;
    LONG cy;
  } const kBitmaps[] = {{105, 520, 317}, {211, 116, 116}};
  for (const auto& expected : kBitmaps) {
    HRSRC hInfo = ::FindResourceA(nullptr, MAKEINTRESOURCEA(expected.nID),
                                  MAKEINTRESOURCEA(2));  // RT_BITMAP
    ASSERT_NE(hInfo, nullptr) << "bitmap " << expected.nID;
    const auto* pHeader = static_cast<const BITMAPINFOHEADER*>(
        ::LockResource(::LoadResource(nullptr, hInfo)));
    ASSERT_NE(pHeader, nullptr);
    EXPECT_EQ(pHeader->biWidth, expected.cx) << "bitmap " << expected.nID;
    EXPECT_EQ(pHeader->biHeight, expected.cy) << "bitmap " << expected.nID;
    EXPECT_EQ(pHeader->biBitCount, 4) << "bitmap " << expected.nID;
  }
  EXPECT_NE(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(101)),
            nullptr);
}
// Windows Vista and later run the program elevated, without redirecting
// its registry writes; earlier Windows do not look at the manifest.
TEST(Win32Resources, ManifestAsksToRunAsAdministrator) {
  const HMODULE hModule = ::GetModuleHandleA(nullptr);
  HRSRC hInfo =
      ::FindResourceA(hModule, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(hInfo, nullptr);
  const char* pData =
      static_cast<const char*>(::LockResource(::LoadResource(hModule, hInfo)));
  ASSERT_NE(pData, nullptr);
  const std::string strManifest(pData, ::SizeofResource(hModule, hInfo));
  EXPECT_NE(strManifest.find("level=\"requireAdministrator\""),
            std::string::npos);
}
}  // namespace
