#include "Win32DialogTemplate.h"

#include <windows.h>

#include <string>

namespace {
// Predefined control classes, as atoms of a dialog item template.
WORD ClassAtom(CtlClass ctlClass) {
  switch (ctlClass) {
    case CtlClass::Button:
      return 0x0080;
    case CtlClass::ComboBox:
      return 0x0085;
    case CtlClass::Static:
    default:
      return 0x0082;
  }
}

void PutDword(std::vector<WORD>* pOut, DWORD dw) {
  pOut->push_back(LOWORD(dw));
  pOut->push_back(HIWORD(dw));
}

// 8-bit text of code page 1252, as Unicode with its terminating zero.
void PutText(std::vector<WORD>* pOut, const char* pszText) {
  const std::string strText = pszText ? pszText : "";
  const int nWide =
      MultiByteToWideChar(1252, 0, strText.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(nWide > 0 ? nWide : 1, L'\0');
  if (nWide > 0)
    MultiByteToWideChar(1252, 0, strText.c_str(), -1, wide.data(), nWide);
  for (wchar_t ch : wide) pOut->push_back(static_cast<WORD>(ch));
}

void AlignToDword(std::vector<WORD>* pOut) {
  if (pOut->size() % 2) pOut->push_back(0);
}

void PutItem(std::vector<WORD>* pOut, const CDlgItemTemplate& item) {
  AlignToDword(pOut);
  PutDword(pOut, item.dwStyle | WS_CHILD);
  PutDword(pOut, 0);  // extended style
  pOut->push_back(static_cast<WORD>(item.x));
  pOut->push_back(static_cast<WORD>(item.y));
  pOut->push_back(static_cast<WORD>(item.cx));
  pOut->push_back(static_cast<WORD>(item.cy));
  pOut->push_back(static_cast<WORD>(item.nID));
  pOut->push_back(0xFFFF);
  pOut->push_back(ClassAtom(item.ctlClass));
  if (item.nImage) {  // a bitmap static names its bitmap resource
    pOut->push_back(0xFFFF);
    pOut->push_back(static_cast<WORD>(item.nImage));
  } else {
    PutText(pOut, item.pszText);
  }
  pOut->push_back(0);  // no creation data
}
}  // namespace

std::vector<WORD> BuildDialogTemplate(const CDialogTemplate& dlg,
                                      DWORD dwStyle) {
  std::vector<WORD> out;
  PutDword(&out, dwStyle | DS_SETFONT);
  PutDword(&out, 0);  // extended style
  out.push_back(static_cast<WORD>(dlg.nItems));
  out.push_back(0);  // x, y: the framework places the dialog
  out.push_back(0);
  out.push_back(static_cast<WORD>(dlg.cx));
  out.push_back(static_cast<WORD>(dlg.cy));
  out.push_back(0);  // no menu
  out.push_back(0);  // the predefined dialog class
  PutText(&out, dlg.pszCaption);
  out.push_back(dlg.wPointSize);
  PutText(&out, dlg.pszFont);
  for (size_t i = 0; i < dlg.nItems; ++i) PutItem(&out, dlg.pItems[i]);
  return out;
}
