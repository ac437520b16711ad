// The main form as the operations see it: four buttons that remember
// whether they are enabled.
#pragma once

#include <map>

#include "sys/MainForm.h"

class CFakeMainForm : public IMainForm {
 public:
  std::map<UINT, BOOL> m_enabled = {{IDC_UPDATE_REGISTRY, TRUE},
                                    {IDC_CLEAR_REGISTRY, TRUE},
                                    {IDC_REGISTRY_CUSTOMIZATIONS, TRUE},
                                    {IDC_REGISTRY_REPAIRS, TRUE}};
  BOOL IsButtonEnabled(UINT nID) const override { return m_enabled.at(nID); }
  void EnableButton(UINT nID, BOOL bEnable) override {
    m_enabled.at(nID) = bEnable ? TRUE : FALSE;
  }
  HWND GetSafeHwnd() const override { return reinterpret_cast<HWND>(0x42); }
};
