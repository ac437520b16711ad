// Dialog templates as data: what a resource script's DIALOG statements hold
// (caption, size in dialog units, font, styles, and the controls in template
// order, which is also the tab order). Every UI adapter builds its dialogs
// from these; the Windows build turns them into real dialog templates. The
// program's own templates are in src/res.
#pragma once

#include <cstddef>

#include "platform/WinUserTypes.h"

// The window class of a control, as in a resource script.
enum class CtlClass { Button, Static, ComboBox };

// The ID of controls that no code addresses (IDC_STATIC).
constexpr UINT IDC_STATIC = 0xFFFF;

struct CDlgItemTemplate {
  CtlClass ctlClass;
  UINT nID;
  const char* pszText;
  short x, y, cx, cy;  // dialog units
  DWORD dwStyle;       // WS_*, and BS_* / SS_* / CBS_* by class
  UINT nImage;         // bitmap resource of an SS_BITMAP static, else 0
  // Entries a combo box is filled with when it is created (the resource
  // script's dialog init data), ending with a null; null when none.
  const char* const* ppszInitItems;
};

struct CDialogTemplate {
  UINT nID;
  const char* pszCaption;
  DWORD dwStyle;
  short cx, cy;  // dialog units
  const char* pszFont;
  WORD wPointSize;
  const CDlgItemTemplate* pItems;
  size_t nItems;
};

// The template of dialog resource nID; null when there is none.
const CDialogTemplate* FindDialogTemplate(UINT nID);
// Calls fn for every template, in ascending order of ID.
void ForEachDialogTemplate(void (*fn)(const CDialogTemplate& dlg, void* pv),
                           void* pv);

// The item of control nID in a template; null when there is none.
const CDlgItemTemplate* FindDialogItem(const CDialogTemplate& dlg, UINT nID);

// Style sets used throughout the templates.
constexpr DWORD kModalDialogStyle =
    DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kPushButton = BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kDefPushButton = BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kCheckBox =
    BS_AUTOCHECKBOX | BS_MULTILINE | BS_TOP | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kRadioButton = BS_AUTORADIOBUTTON | WS_VISIBLE;
constexpr DWORD kGroupBox = BS_GROUPBOX | WS_VISIBLE;
constexpr DWORD kStaticText = SS_LEFT | WS_VISIBLE;
constexpr DWORD kDropDownList =
    CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_VISIBLE | WS_TABSTOP;
