#include "DocTemplate.h"

#include "StringTable.h"
#include "WinApp.h"

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, DocFactory pfnDoc,
                                       FrameFactory pfnFrame,
                                       ViewFactory pfnView)
    : m_nIDResource(nIDResource),
      m_pfnDoc(pfnDoc),
      m_pfnFrame(pfnFrame),
      m_pfnView(pfnView) {}

CDocument* CSingleDocTemplate::OpenDocumentFile() {
  // A single-document template reuses its one document.
  if (m_pDocument && m_pFrame && m_pFrame->m_hWnd)
    return m_pDocument->OnNewDocument() ? m_pDocument.get() : nullptr;
  std::unique_ptr<CDocument> pDocument = m_pfnDoc();
  std::unique_ptr<CFrameWnd> pFrame = m_pfnFrame();
  if (!pFrame->LoadFrame(m_nIDResource, m_pfnView(), pDocument.get()))
    return nullptr;
  if (!pDocument->OnNewDocument()) return nullptr;
  m_pDocument = std::move(pDocument);
  m_pFrame = std::move(pFrame);
  CWinApp* pApp = AfxGetApp();
  if (pApp && !pApp->m_pMainWnd) pApp->m_pMainWnd = m_pFrame.get();
  m_pFrame->InitialUpdateFrame(SW_SHOW);
  return m_pDocument.get();
}

std::string CSingleDocTemplate::GetDocString(int nIndex) const {
  const std::string strDoc = LoadResString(m_nIDResource);
  size_t nStart = 0;
  for (int i = 0; i < nIndex; ++i) {
    nStart = strDoc.find('\n', nStart);
    if (nStart == std::string::npos) return std::string();
    ++nStart;
  }
  return strDoc.substr(nStart, strDoc.find('\n', nStart) - nStart);
}
