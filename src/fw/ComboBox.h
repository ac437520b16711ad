// Drop-down list combo boxes: a list of entries (kept sorted with
// CBS_SORT) and the index of the selected one, CB_ERR for none. A person's
// choice (arrow keys, or an entry picked from the opened list) sends
// CBN_SELCHANGE to the parent; SetCurSel from the program does not, as in
// Windows.
#pragma once

#include <string>
#include <vector>

#include "Wnd.h"

// The message an adapter sends when a person picks entry wParam from the
// opened list (the list box of a real combo box does this itself).
constexpr UINT CBM_USERSELECT = WM_USER + 0x700;

class CComboBox : public CWnd {
 public:
  CComboBox() { m_kind = CWndKind::ComboBox; }

  // The list's messages (CB_ADDSTRING ...) to the combo box. AddString
  // gives the index of the new entry, in sorted position with CBS_SORT;
  // SetCurSel with an index outside the list selects nothing and gives
  // CB_ERR.
  int AddString(const std::string& strItem);
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  std::string GetLBText(int nIndex) const;
  const std::vector<std::string>& GetItems() const { return m_items; }
  // A person's choice of entry nIndex.
  void UserSelect(int nIndex);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int InsertItem(const std::string& strItem);
  int Select(int nSelect);
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  std::vector<std::string> m_items;
  int m_nCurSel = CB_ERR;
};
