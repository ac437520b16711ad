#include "Gdi.h"

#include "BitmapResource.h"
#include "WindowSystem.h"

namespace {
BOOL g_bFailMemoryDCs = FALSE;
}

void AfxFailMemoryDCs(BOOL bFail) { g_bFailMemoryDCs = bFail; }

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
  const CBitmapResource* pResource = FindBitmapResource(nIDResource);
  if (!pResource) return FALSE;
  m_nID = nIDResource;
  m_info = BITMAP{};
  m_info.bmWidth = pResource->cx;
  m_info.bmHeight = pResource->cy;
  m_info.bmBitsPixel = static_cast<WORD>(pResource->nBitsPerPixel);
  return TRUE;
}

BOOL CBitmap::GetBitmap(BITMAP* pBitmap) const {
  if (!m_nID) return FALSE;
  *pBitmap = m_info;
  return TRUE;
}

BOOL CBitmap::DeleteObject() {
  const BOOL bHad = m_nID != 0;
  m_nID = 0;
  return bHad;
}

BOOL CDC::CreateCompatibleDC(CDC*) { return g_bFailMemoryDCs ? FALSE : TRUE; }

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  CBitmap* pPrevious = m_pBitmap;
  m_pBitmap = pBitmap;
  return pPrevious;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int, int,
                 DWORD) {
  if (!pSrcDC || !pSrcDC->m_pBitmap || !pSrcDC->m_pBitmap->GetResourceID())
    return FALSE;
  if (!m_pWnd) return TRUE;
  return AfxWindowSystem().Blit(*m_pWnd, pSrcDC->m_pBitmap->GetResourceID(), x,
                                y, nWidth, nHeight);
}

CPaintDC::CPaintDC(CWnd* pWnd) {
  m_pWnd = pWnd;
  AfxWindowSystem().BeginPaint(*m_pWnd);
}

CPaintDC::~CPaintDC() { AfxWindowSystem().EndPaint(*m_pWnd); }
