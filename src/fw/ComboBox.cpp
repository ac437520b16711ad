#include "ComboBox.h"

#include <strings.h>

#include <algorithm>

LRESULT CComboBox::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return const_cast<CComboBox*>(this)->SendMessage(message, wParam, lParam);
}

int CComboBox::AddString(const std::string& strItem) {
  return static_cast<int>(
      Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strItem.c_str())));
}

int CComboBox::GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }

int CComboBox::GetCurSel() const {
  return static_cast<int>(Send(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int nSelect) {
  return static_cast<int>(Send(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}

std::string CComboBox::GetLBText(int nIndex) const {
  const LRESULT nLength = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex));
  if (nLength < 0) return std::string();
  std::string strText(static_cast<size_t>(nLength) + 1, '\0');
  Send(CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
       reinterpret_cast<LPARAM>(&strText[0]));
  strText.resize(static_cast<size_t>(nLength));
  return strText;
}

int CComboBox::InsertItem(const std::string& strItem) {
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

int CComboBox::Select(int nSelect) {
  const BOOL bValid =
      nSelect >= 0 && nSelect < static_cast<int>(m_items.size());
  m_nCurSel = bValid ? nSelect : CB_ERR;
  Invalidate();
  return bValid ? nSelect : CB_ERR;
}

void CComboBox::UserSelect(int nIndex) {
  if (!IsInputEnabled() || nIndex < 0 ||
      nIndex >= static_cast<int>(m_items.size()))
    return;
  const BOOL bChanged = nIndex != m_nCurSel;
  Select(nIndex);
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
        UserSelect(static_cast<int>(m_items.size()) - 1);
        return 0;
      }
      return CWnd::WindowProc(message, wParam, lParam);
    case CBM_USERSELECT:
      UserSelect(static_cast<int>(wParam));
      return 0;
    case CB_GETCURSEL:
      return m_nCurSel;
    case CB_SETCURSEL:
      return Select(static_cast<int>(wParam));
    case CB_GETCOUNT:
      return static_cast<LRESULT>(m_items.size());
    case CB_ADDSTRING:
      return InsertItem(reinterpret_cast<const char*>(lParam));
    case CB_GETLBTEXTLEN:
      if (static_cast<size_t>(wParam) >= m_items.size()) return CB_ERR;
      return static_cast<LRESULT>(m_items[wParam].size());
    case CB_GETLBTEXT: {
      if (static_cast<size_t>(wParam) >= m_items.size()) return CB_ERR;
      const std::string& strItem = m_items[wParam];
      std::copy(strItem.begin(), strItem.end(),
                reinterpret_cast<char*>(lParam));
      reinterpret_cast<char*>(lParam)[strItem.size()] = '\0';
      return static_cast<LRESULT>(strItem.size());
    }
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}
