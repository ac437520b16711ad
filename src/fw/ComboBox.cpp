#include "ComboBox.h"

#include <strings.h>

#include <algorithm>

int CComboBox::AddString(const std::string& strItem) {
  auto it = m_items.end();
  if (GetStyle() & CBS_SORT) {
    // Windows sorts combo entries without regard to case.
    it = std::upper_bound(m_items.begin(), m_items.end(), strItem,
                          [](const std::string& a, const std::string& b) {
                            return strcasecmp(a.c_str(), b.c_str()) < 0;
                          });
  }
  const int nIndex = static_cast<int>(it - m_items.begin());
  m_items.insert(it, strItem);
  if (m_nCurSel != CB_ERR && nIndex <= m_nCurSel) ++m_nCurSel;
  return nIndex;
}

int CComboBox::SetCurSel(int nSelect) {
  const BOOL bValid = nSelect >= 0 && nSelect < GetCount();
  m_nCurSel = bValid ? nSelect : CB_ERR;
  Invalidate();
  return bValid ? nSelect : CB_ERR;
}

std::string CComboBox::GetLBText(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetCount()) return std::string();
  return m_items[static_cast<size_t>(nIndex)];
}

void CComboBox::UserSelect(int nIndex) {
  if (!IsInputEnabled() || nIndex < 0 || nIndex >= GetCount()) return;
  const BOOL bChanged = nIndex != m_nCurSel;
  SetCurSel(nIndex);
  if (bChanged && GetParent())
    GetParent()->SendMessage(WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(), CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      SetFocus();
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_DOWN || wParam == VK_RIGHT) {
        UserSelect(m_nCurSel == CB_ERR ? 0 : m_nCurSel + 1);
        return 0;
      }
      if (wParam == VK_UP || wParam == VK_LEFT) {
        UserSelect(m_nCurSel == CB_ERR ? 0 : m_nCurSel - 1);
        return 0;
      }
      if (wParam == VK_HOME) {
        UserSelect(0);
        return 0;
      }
      if (wParam == VK_END) {
        UserSelect(GetCount() - 1);
        return 0;
      }
      return CWnd::WindowProc(message, wParam, lParam);
    case CBM_USERSELECT:
      UserSelect(static_cast<int>(wParam));
      return 0;
    case CB_GETCURSEL:
      return m_nCurSel;
    case CB_SETCURSEL:
      return SetCurSel(static_cast<int>(wParam));
    case CB_GETCOUNT:
      return GetCount();
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}
