#include "SplashPanel.h"

#include "res/Resource.h"

BOOL CSplashPanel::s_bSplashShown = FALSE;
CSplashPanel* CSplashPanel::s_pSplash = nullptr;

BEGIN_MESSAGE_MAP(CSplashPanel, CWnd)
ON_WM_CREATE(&CSplashPanel::OnCreate)
ON_WM_PAINT(&CSplashPanel::OnPaint)
ON_WM_TIMER(&CSplashPanel::OnTimer)
END_MESSAGE_MAP()

CSplashPanel::CSplashPanel() { s_pSplash = this; }

CSplashPanel::~CSplashPanel() {
  if (s_pSplash == this) s_pSplash = nullptr;
}

void CSplashPanel::ResetForTest() {
  if (s_pSplash) s_pSplash->DestroyWindow();
  delete s_pSplash;
  s_pSplash = nullptr;
  s_bSplashShown = FALSE;
}

void CSplashPanel::ShowSplash(CWnd* pParentWnd) {
  if (s_bSplashShown || s_pSplash) return;
  s_bSplashShown = TRUE;
  auto* pSplash = new CSplashPanel;
  if (!pSplash->Create(pParentWnd)) {
    delete pSplash;
    return;
  }
  pSplash->UpdateWindow();
}

BOOL CSplashPanel::Create(CWnd* pParentWnd) {
  if (!m_bmpSplash.LoadBitmap(IDB_SPLASH)) return FALSE;
  BITMAP bm;
  m_bmpSplash.GetBitmap(&bm);
  // The framework has no window classes to register: a plain popup with
  // the arrow cursor and no background is what the class would give.
  const RECT rect = {0, 0, bm.bmWidth, bm.bmHeight};
  return CreateEx(WS_POPUP | WS_VISIBLE, "", rect, pParentWnd, 0);
}

int CSplashPanel::OnCreate() {
  if (DefWindowProc(WM_CREATE, 0, 0) == -1) return -1;
  CenterWindow();
  SetTimer(kSplashTimer, kSplashMilliseconds);
  return 0;
}

void CSplashPanel::OnPaint() {
  CPaintDC dc(this);
  CDC dcImage;
  if (!dcImage.CreateCompatibleDC(&dc)) return;
  BITMAP bm;
  m_bmpSplash.GetBitmap(&bm);
  CBitmap* pOldBitmap = dcImage.SelectObject(&m_bmpSplash);
  dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcImage, 0, 0, SRCCOPY);
  dcImage.SelectObject(pOldBitmap);
}

void CSplashPanel::OnTimer(UINT_PTR) {
  KillTimer(kSplashTimer);
  DestroyWindow();
}

void CSplashPanel::PostNcDestroy() { delete this; }

BOOL CSplashPanel::FilterSplashMessage(MSG* pMsg) {
  if (!s_pSplash) return FALSE;
  switch (pMsg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      s_pSplash->DestroyWindow();
      return TRUE;
    default:
      return FALSE;
  }
}
