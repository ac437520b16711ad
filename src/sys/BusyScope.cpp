#include "BusyScope.h"

namespace {
IBusyState* g_pBusyState = nullptr;
}

void SetBusyState(IBusyState* pState) { g_pBusyState = pState; }

CBusyScope::CBusyScope() : m_pState(g_pBusyState) {
  if (m_pState) m_pState->SetBusy(TRUE);
}

CBusyScope::~CBusyScope() { End(); }

void CBusyScope::End() {
  if (m_pState) m_pState->SetBusy(FALSE);
  m_pState = nullptr;
}

void CBusyScope::Keep() { m_pState = nullptr; }
