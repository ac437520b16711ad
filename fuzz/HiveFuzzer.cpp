// libFuzzer target of the hive engine: any bytes as a hive file. A hive
// that loads is read whole, changed (a key added, a value set and deleted,
// the first subkey deleted) and saved; the saved hive must load again and
// read the same keys and values.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/hive/Hive.h"

namespace {
// Keys and values below hKey, depth first; false when a part is damaged.
bool Walk(const CHive& hive, HCELL hKey, int nDepth,
          std::vector<std::u16string>* pSeen) {
  if (nDepth > 64) return false;
  std::vector<CHiveValue> values;
  std::vector<HCELL> subkeys;
  if (!hive.Values(hKey, &values) || !hive.Subkeys(hKey, &subkeys))
    return false;
  for (const CHiveValue& value : values)
    pSeen->push_back(
        value.strName + u"=" +
        std::u16string(value.strData.begin(), value.strData.end()));
  for (HCELL hSubkey : subkeys) {
    pSeen->emplace_back();
    if (!hive.KeyName(hSubkey, &pSeen->back()) ||
        !Walk(hive, hSubkey, nDepth + 1, pSeen))
      return false;
  }
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cbData) {
  CHive hive;
  std::string strWhy;
  if (!hive.Load(std::string(reinterpret_cast<const char*>(pData), cbData),
                 &strWhy))
    return 0;
  std::vector<std::u16string> before;
  if (!Walk(hive, hive.Root(), 0, &before)) return 0;
  const uint64_t nNow = 1;
  const HCELL hNew = hive.CreateSubkey(hive.Root(), u"Fuzz\u00E9", nNow);
  if (hNew != kNoCell) {
    hive.SetValue(hNew, {u"v", 3, std::string(40000, 'x')}, nNow);
    hive.SetValue(hNew, {u"w", 4, "1234"}, nNow);
    hive.DeleteValue(hNew, u"V", nNow);
  }
  std::vector<HCELL> subkeys;
  if (hive.Subkeys(hive.Root(), &subkeys) && !subkeys.empty())
    hive.DeleteSubkey(hive.Root(), subkeys.front(), nNow);
  std::vector<std::u16string> after;
  const bool bReadable = Walk(hive, hive.Root(), 0, &after);
  CHive saved;
  if (!saved.Load(hive.Save(nNow), &strWhy)) __builtin_trap();
  std::vector<std::u16string> reread;
  if (bReadable && (!Walk(saved, saved.Root(), 0, &reread) || reread != after))
    __builtin_trap();
  return 0;
}
