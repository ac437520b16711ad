#include "TextFit.h"

#include <algorithm>

namespace {
enum class CLabel { None, Static, PushButton, CheckBox, GroupBox };

CLabel LabelOf(HWND hCtl) {
  char szClass[16] = "";
  GetClassNameA(hCtl, szClass, sizeof(szClass));
  const DWORD dwStyle = static_cast<DWORD>(GetWindowLongA(hCtl, GWL_STYLE));
  if (lstrcmpiA(szClass, "Static") == 0) {
    // Texts only: not pictures, rectangles or frames.
    const DWORD dwType = dwStyle & SS_TYPEMASK;
    const bool bText = dwType <= SS_RIGHT || dwType == SS_SIMPLE ||
                       dwType == SS_LEFTNOWORDWRAP;
    return bText ? CLabel::Static : CLabel::None;
  }
  if (lstrcmpiA(szClass, "Button") != 0) return CLabel::None;
  switch (dwStyle & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      return CLabel::PushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return CLabel::CheckBox;
    case BS_GROUPBOX:
      return CLabel::GroupBox;
    default:
      return CLabel::None;
  }
}

std::string TextOf(HWND hCtl) {
  char szText[512] = "";
  GetWindowTextA(hCtl, szText, sizeof(szText));
  return szText;
}

// A device context of a control with the control's own font selected.
class CControlDC {
 public:
  explicit CControlDC(HWND hCtl) : m_hCtl(hCtl), m_hdc(GetDC(hCtl)) {
    const HFONT hFont =
        reinterpret_cast<HFONT>(SendMessageA(hCtl, WM_GETFONT, 0, 0));
    if (hFont) m_hOld = SelectObject(m_hdc, hFont);
  }
  ~CControlDC() {
    if (m_hOld) SelectObject(m_hdc, m_hOld);
    ReleaseDC(m_hCtl, m_hdc);
  }
  CControlDC(const CControlDC&) = delete;
  CControlDC& operator=(const CControlDC&) = delete;

  // The width and height that the ink of strText takes, drawn with nFormat
  // from the corner of a box cx wide: what would be cut in a box that
  // size, not the font's line boxes (a last line without descenders may
  // lose the bottom of its box unseen).
  SIZE InkExtent(const std::string& strText, UINT nFormat, LONG cx) const {
    RECT box = {0, 0, cx, 0};
    DrawTextA(m_hdc, strText.c_str(), -1, &box, nFormat | DT_CALCRECT);
    // Room beyond the line boxes for overhanging glyphs.
    const LONG nMargin = 16;
    const LONG cxBitmap = std::max(box.right, cx) + nMargin;
    const LONG cyBitmap = box.bottom + nMargin;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cxBitmap;
    info.bmiHeader.biHeight = -cyBitmap;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pvBits = nullptr;
    const HBITMAP hBitmap =
        CreateDIBSection(m_hdc, &info, DIB_RGB_COLORS, &pvBits, nullptr, 0);
    const HDC hdcMem = CreateCompatibleDC(m_hdc);
    if (!hBitmap || !hdcMem || !pvBits) {
      if (hBitmap) DeleteObject(hBitmap);
      if (hdcMem) DeleteDC(hdcMem);
      return SIZE{box.right, box.bottom};  // the line boxes, then
    }
    const HGDIOBJ hOldBitmap = SelectObject(hdcMem, hBitmap);
    const HGDIOBJ hOldFont =
        SelectObject(hdcMem, GetCurrentObject(m_hdc, OBJ_FONT));
    PatBlt(hdcMem, 0, 0, cxBitmap, cyBitmap, WHITENESS);
    SetTextColor(hdcMem, RGB(0, 0, 0));
    SetBkMode(hdcMem, TRANSPARENT);
    RECT draw = {0, 0, cx, cyBitmap};
    DrawTextA(hdcMem, strText.c_str(), -1, &draw, nFormat);
    GdiFlush();
    SIZE ink = {0, 0};
    const DWORD* pPixels = static_cast<const DWORD*>(pvBits);
    for (LONG y = 0; y < cyBitmap; ++y)
      for (LONG x = 0; x < cxBitmap; ++x)
        if ((pPixels[y * cxBitmap + x] & 0xFFFFFF) != 0xFFFFFF) {
          ink.cx = std::max(ink.cx, x + 1);
          ink.cy = y + 1;
        }
    SelectObject(hdcMem, hOldFont);
    SelectObject(hdcMem, hOldBitmap);
    DeleteDC(hdcMem);
    DeleteObject(hBitmap);
    return ink;
  }
  LONG DigitWidth() const {
    SIZE digit = {0, 0};
    GetTextExtentPoint32A(m_hdc, "0", 1, &digit);
    return digit.cx;
  }

 private:
  HWND m_hCtl;
  HDC m_hdc;
  HGDIOBJ m_hOld = nullptr;
};

// The part of hCtl's client area its text is drawn in, and how.
RECT TextArea(HWND hCtl, CLabel label, const CControlDC& dc, UINT* pnFormat) {
  const DWORD dwStyle = static_cast<DWORD>(GetWindowLongA(hCtl, GWL_STYLE));
  RECT area;
  GetClientRect(hCtl, &area);
  const bool bMultiline = (dwStyle & BS_MULTILINE) != 0;
  switch (label) {
    case CLabel::Static: {
      const DWORD dwType = dwStyle & SS_TYPEMASK;
      *pnFormat = DT_EXPANDTABS |
                  (dwType <= SS_RIGHT ? DT_WORDBREAK : DT_SINGLELINE) |
                  ((dwStyle & SS_NOPREFIX) ? DT_NOPREFIX : 0);
      break;
    }
    case CLabel::PushButton:
      // Inside the button's raised edge.
      InflateRect(&area, -GetSystemMetrics(SM_CXEDGE),
                  -GetSystemMetrics(SM_CYEDGE));
      *pnFormat = bMultiline ? DT_WORDBREAK : DT_SINGLELINE;
      break;
    case CLabel::CheckBox:
      // Half a digit right of the box, which is a menu check mark's size.
      area.left += GetSystemMetrics(SM_CXMENUCHECK) + dc.DigitWidth() / 2;
      *pnFormat = bMultiline ? DT_WORDBREAK : DT_SINGLELINE;
      break;
    default:  // a group box's title, on its top edge
      InflateRect(&area, -GetSystemMetrics(SM_CXEDGE), 0);
      *pnFormat = DT_SINGLELINE;
      break;
  }
  return area;
}

std::string Describe(HWND hCtl, const std::string& strText,
                     const std::string& strWhat) {
  return "control " + std::to_string(GetDlgCtrlID(hCtl) & 0xFFFF) + " \"" +
         strText + "\": " + strWhat;
}

std::string Size(LONG cx, LONG cy) {
  return std::to_string(cx) + " x " + std::to_string(cy);
}
}  // namespace

std::vector<std::string> CutTexts(HWND hDialog) {
  std::vector<std::string> cut;
  RECT client;
  GetClientRect(hDialog, &client);
  for (HWND hCtl = GetWindow(hDialog, GW_CHILD); hCtl;
       hCtl = GetWindow(hCtl, GW_HWNDNEXT)) {
    const CLabel label = LabelOf(hCtl);
    const std::string strText = TextOf(hCtl);
    if (label == CLabel::None || strText.empty()) continue;
    RECT place;
    GetWindowRect(hCtl, &place);
    MapWindowPoints(nullptr, hDialog, reinterpret_cast<POINT*>(&place), 2);
    if (place.left < client.left || place.top < client.top ||
        place.right > client.right || place.bottom > client.bottom)
      cut.push_back(Describe(hCtl, strText, "reaches out of the dialog"));
    const CControlDC dc(hCtl);
    UINT nFormat = 0;
    const RECT area = TextArea(hCtl, label, dc, &nFormat);
    const LONG cx = area.right - area.left, cy = area.bottom - area.top;
    const SIZE need = dc.InkExtent(strText, nFormat, cx);
    if (need.cx > cx || need.cy > cy)
      cut.push_back(Describe(
          hCtl, strText,
          "needs " + Size(need.cx, need.cy) + ", has " + Size(cx, cy)));
  }
  return cut;
}
