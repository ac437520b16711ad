#include "CmdTarget.h"

const AFX_MSGMAP_ENTRY CCmdTarget::_messageEntries[] = {{0, 0, 0, nullptr}};
const AFX_MSGMAP CCmdTarget::messageMap = {nullptr,
                                           &CCmdTarget::_messageEntries[0]};

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return &messageMap; }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode,
                                                     UINT nID) const {
  for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pBaseMap) {
    for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfn;
         ++pEntry) {
      if (pEntry->nMessage == nMessage && pEntry->nCode == nCode &&
          pEntry->nID == nID)
        return pEntry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
  const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(WM_COMMAND, nCode, nID);
  if (!pEntry) return FALSE;
  MSG msg = {};
  msg.message = WM_COMMAND;
  msg.wParam = MAKEWPARAM(nID, nCode);
  pEntry->pfn(this, msg);
  return TRUE;
}
