// The little of GDI the program paints with: a bitmap object loaded from a
// bitmap resource, a memory device context to select it into, and a paint
// context that copies it onto a window. A copy is recorded on the window
// (CWnd::GetBlits) and the UI adapter draws it.
#pragma once

#include "Wnd.h"

#ifndef SRCCOPY
#define SRCCOPY 0x00CC0020
#endif

// Windows' BITMAP has these fields among others.
#ifndef _WIN32
struct BITMAP {
  LONG bmWidth;
  LONG bmHeight;
  WORD bmBitsPixel;
};
#endif

class CBitmap {
 public:
  // FALSE when there is no such bitmap resource.
  BOOL LoadBitmap(UINT nIDResource);
  BOOL GetBitmap(BITMAP* pBitmap) const;
  BOOL DeleteObject();
  UINT GetResourceID() const { return m_nID; }

 private:
  UINT m_nID = 0;
  BITMAP m_info = {};
};

class CDC {
 public:
  virtual ~CDC() = default;
  // A memory context compatible with pDC; FALSE when none can be made.
  BOOL CreateCompatibleDC(CDC* pDC);
  // The bitmap selected before.
  CBitmap* SelectObject(CBitmap* pBitmap);
  // Copies from pSrcDC's bitmap; only a window's context shows the copy.
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc,
              int ySrc, DWORD dwRop);

 protected:
  CWnd* m_pWnd = nullptr;
  CBitmap* m_pBitmap = nullptr;
};

// BeginPaint in the constructor (the window's earlier picture is dropped),
// EndPaint in the destructor, which validates the window.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
};

// Test hook: makes CreateCompatibleDC fail while set.
void AfxFailMemoryDCs(BOOL bFail);
