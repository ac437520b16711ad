// What the operations started from the main window's form need of it: the
// enabled state of its buttons (which carries state between operations
// within one run) and its window, owner of the folder browser.
#pragma once

#include "platform/WinTypes.h"

// Controls of the form (dialog template 100).
constexpr UINT IDC_UPDATE_REGISTRY = 111;
constexpr UINT IDC_CLEAR_REGISTRY = 112;
constexpr UINT IDC_REGISTRY_CUSTOMIZATIONS = 113;
constexpr UINT IDC_REGISTRY_REPAIRS = 114;

class IMainForm {
 public:
  virtual ~IMainForm() = default;
  virtual BOOL IsButtonEnabled(UINT nID) const = 0;
  virtual void EnableButton(UINT nID, BOOL bEnable) = 0;
  virtual HWND GetSafeHwnd() const = 0;
};
