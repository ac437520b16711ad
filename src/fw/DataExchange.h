// Dialog data exchange: moves values between a window's controls and the
// members DoDataExchange names. Missing controls leave the member alone.
#pragma once

#include <string>

#include "Wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
      : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}
  CWnd* m_pDlgWnd;
  // TRUE: controls to members; FALSE: members to controls.
  BOOL m_bSaveAndValidate;
};

// Check box state: BST_CHECKED (1) or BST_UNCHECKED (0).
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Index of the selected combo entry, CB_ERR (-1) for none; loading an
// index outside the list selects nothing.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Window text.
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
