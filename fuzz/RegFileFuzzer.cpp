// libFuzzer target of the store's reader: any bytes as HKEY_LOCAL_MACHINE.reg.
// A file that reads must (1) be written back byte for byte when nothing
// changed, and (2) read back to the same keys and values when every key is
// written anew; and (3) any bytes get the same verdict (line and reason)
// from the check made at open, which copies no value text, as from a read
// that takes every value.
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/host/regfile/RegFileParser.h"
#include "platform/host/regfile/RegStoreLoader.h"
#include "platform/host/regfile/RegStoreRenderer.h"

namespace {
struct CLoaded {
  CRegStoreFile file;
  std::shared_ptr<CRegKeyNode> root = std::make_shared<CRegKeyNode>();
};

bool Load(const std::string& strBytes, CLoaded* pLoaded) {
  pLoaded->file.hRoot = HKEY_LOCAL_MACHINE;
  pLoaded->file.strRootName = "HKEY_LOCAL_MACHINE";
  pLoaded->file.strPath = "fuzz.reg";
  pLoaded->file.bExists = true;
  pLoaded->file.strRaw = strBytes;
  pLoaded->root->strName = "HKEY_LOCAL_MACHINE";
  std::string strError;
  return LoadStoreFile(&pLoaded->file, pLoaded->root, &strError) ==
         ERROR_SUCCESS;
}

void MarkAll(const std::shared_ptr<CRegKeyNode>& node, CRegDirtyMap* pDirty) {
  if (node->bVolatile) return;
  CRegDirtyKey& dirty = (*pDirty)[node.get()];
  dirty.node = node;
  for (const auto& value : node->Values())
    dirty.values.insert(FoldRegName(value.strName));
  for (const auto& sub : node->Subkeys()) MarkAll(sub, pDirty);
}

bool SameTree(const CRegKeyNode& a, const CRegKeyNode& b) {
  if (a.strName != b.strName || a.Values().size() != b.Values().size() ||
      a.Subkeys().size() != b.Subkeys().size())
    return false;
  for (const auto& value : a.Values()) {
    const CRegValue* pOther = b.FindValue(value.strName);
    if (!pOther || pOther->dwType != value.dwType || pOther->data != value.data)
      return false;
  }
  for (size_t i = 0; i < a.Subkeys().size(); ++i)
    if (!SameTree(*a.Subkeys()[i], *b.Subkeys()[i])) return false;
  return true;
}
// Takes every section and value; bText: with their names and strings.
class CAnySink : public IRegFileSink {
 public:
  explicit CAnySink(bool bText) : m_bText(bText) {}
  std::string OnSection(const std::string&, bool,
                        const CRegFileLine&) override {
    return std::string();
  }
  std::string OnValue(const CRegParsedValue&) override { return std::string(); }
  bool TakesValueText() const override { return m_bText; }

 private:
  bool m_bText;
};

bool SameVerdict(const std::string& strBytes) {
  CAnySink full(true);
  CAnySink check(false);
  CRegFileInfo info;
  CRegParseError fullError;
  CRegParseError checkError;
  const bool bFull = ParseRegFile(strBytes, &full, &info, &fullError);
  const bool bCheck = ParseRegFile(strBytes, &check, &info, &checkError);
  return bFull == bCheck && fullError.nLine == checkError.nLine &&
         fullError.strReason == checkError.strReason;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cbData) {
  const std::string strBytes(reinterpret_cast<const char*>(pData), cbData);
  if (!SameVerdict(strBytes)) std::abort();
  CLoaded loaded;
  if (!Load(strBytes, &loaded)) return 0;
  if (RenderStoreFile(loaded.file, loaded.root, CRegDirtyMap()) != strBytes)
    std::abort();  // an unchanged store must be written back as it was
  CRegDirtyMap dirty;
  MarkAll(loaded.root, &dirty);
  CLoaded again;
  if (!Load(RenderStoreFile(loaded.file, loaded.root, dirty), &again) ||
      !SameTree(*loaded.root, *again.root))
    std::abort();  // written anew, it must read back the same
  return 0;
}
