#include "DialogControls.h"

#include "Button.h"
#include "ComboBox.h"
#include "Static.h"
#include "WindowSystem.h"

RECT AfxMapDialogRect(const CDialogTemplate& dlg, int x, int y, int cx,
                      int cy) {
  // Windows' MapDialogRect: x units are quarters, y units eighths of the
  // base units.
  const SIZE base =
      AfxWindowSystem().GetDialogBaseUnits(dlg.pszFont, dlg.wPointSize);
  const LONG left = x * base.cx / 4;
  const LONG top = y * base.cy / 8;
  return RECT{left, top, left + cx * base.cx / 4, top + cy * base.cy / 8};
}

namespace {
std::unique_ptr<CWnd> MakeControl(const CDlgItemTemplate& item) {
  switch (item.ctlClass) {
    case CtlClass::Button:
      return std::make_unique<CButton>();
    case CtlClass::ComboBox:
      return std::make_unique<CComboBox>();
    case CtlClass::Static:
    default:
      return std::make_unique<CStatic>(item.nImage);
  }
}

void FillCombo(CWnd& ctl, const CDlgItemTemplate& item) {
  auto* pCombo = dynamic_cast<CComboBox*>(&ctl);
  if (!pCombo || !item.ppszInitItems) return;
  for (const char* const* ppsz = item.ppszInitItems; *ppsz; ++ppsz)
    pCombo->AddString(*ppsz);
}
}  // namespace

BOOL AfxCreateDialogControls(CWnd& parent, const CDialogTemplate& dlg,
                             std::vector<std::unique_ptr<CWnd>>& owned) {
  for (size_t i = 0; i < dlg.nItems; ++i) {
    const CDlgItemTemplate& item = dlg.pItems[i];
    std::unique_ptr<CWnd> pCtl = MakeControl(item);
    RECT rect = AfxMapDialogRect(dlg, item.x, item.y, item.cx, item.cy);
    if (!pCtl->CreateEx(item.dwStyle | WS_CHILD, item.pszText, rect, &parent,
                        item.nID))
      return FALSE;
    FillCombo(*pCtl, item);
    owned.push_back(std::move(pCtl));
  }
  return TRUE;
}
