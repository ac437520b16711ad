// Time over kernel32.
#pragma once

#include "../Clock.h"

class CWin32Clock : public IClock {
 public:
  void Sleep(DWORD dwMilliseconds) override;
  DWORD GetTickCount() override;
};
