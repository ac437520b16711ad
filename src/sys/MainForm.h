// What the operations started from the main window's form need of it: the
// enabled state of its buttons (which carries state between operations
// within one run) and its window, owner of the folder browser.
#pragma once

#include "platform/WinTypes.h"
#include "res/Resource.h"  // the form's control IDs

class IMainForm {
 public:
  virtual ~IMainForm() = default;
  virtual BOOL IsButtonEnabled(UINT nID) const = 0;
  virtual void EnableButton(UINT nID, BOOL bEnable) = 0;
  virtual HWND GetSafeHwnd() const = 0;
};
