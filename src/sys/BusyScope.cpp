#include "BusyScope.h"

namespace {
IBusyState* g_pBusyState = nullptr;
}

IBusyState* SetBusyState(IBusyState* pState) {
  IBusyState* pPrevious = g_pBusyState;
  g_pBusyState = pState;
  return pPrevious;
}

CBusyScope::CBusyScope() : m_pState(g_pBusyState) {
  if (m_pState) m_pState->SetBusy(TRUE);
}

CBusyScope::~CBusyScope() { End(); }

void CBusyScope::End() {
  if (m_pState) m_pState->SetBusy(FALSE);
  m_pState = nullptr;
}

void CBusyScope::Keep() { m_pState = nullptr; }
