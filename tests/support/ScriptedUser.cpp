#include "ScriptedUser.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/host/HostAnswers.h"

CScriptedUser::~CScriptedUser() {
  if (!m_answers.empty())
    ADD_FAILURE() << m_answers.size()
                  << " scripted message box answer(s) never used";
}

std::vector<UINT> CScriptedUser::BoxIds() const {
  std::vector<UINT> ids;
  for (const auto& box : m_boxes) ids.push_back(box.nIDPrompt);
  return ids;
}

HWND CScriptedUser::AddWindow(const std::string& strTitle) {
  CWindow window;
  window.strTitle = strTitle;
  m_windows.push_back(window);
  return reinterpret_cast<HWND>(m_windows.size());
}

bool CScriptedUser::Valid(HWND hWnd) const {
  const auto n = reinterpret_cast<uintptr_t>(hWnd);
  return n >= 1 && n <= m_windows.size();
}

CScriptedUser::CWindow& CScriptedUser::Window(HWND hWnd) {
  return m_windows.at(reinterpret_cast<uintptr_t>(hWnd) - 1);
}

int CScriptedUser::MessageBoxA(HWND, const char* lpText, const char* lpCaption,
                               UINT uType, UINT nIDPrompt) {
  m_boxes.push_back(
      CBox{nIDPrompt, lpText ? lpText : "", lpCaption ? lpCaption : "", uType});
  if (m_answers.empty()) return NeutralAnswer(uType);
  const int nAnswer = m_answers.front();
  m_answers.pop_front();
  return nAnswer;
}

HWND CScriptedUser::FindWindowA(const char*, const char* lpWindowName) {
  for (size_t i = 0; i < m_windows.size(); ++i)
    if (lpWindowName && m_windows[i].strTitle == lpWindowName)
      return reinterpret_cast<HWND>(i + 1);
  return nullptr;
}

HWND CScriptedUser::GetTopWindow(HWND hWnd) {
  if (hWnd != nullptr || m_windows.empty()) return nullptr;
  return reinterpret_cast<HWND>(1);
}

HWND CScriptedUser::GetWindow(HWND hWnd, UINT uCmd) {
  if (uCmd != GW_HWNDNEXT || !Valid(hWnd)) return nullptr;
  const auto n = reinterpret_cast<uintptr_t>(hWnd);
  return n < m_windows.size() ? reinterpret_cast<HWND>(n + 1) : nullptr;
}

int CScriptedUser::GetWindowTextA(HWND hWnd, char* lpString, int nMaxCount) {
  if (!Valid(hWnd) || nMaxCount <= 0) return 0;
  const std::string& strTitle = Window(hWnd).strTitle;
  const size_t n =
      std::min(strTitle.size(), static_cast<size_t>(nMaxCount - 1));
  std::memcpy(lpString, strTitle.data(), n);
  lpString[n] = '\0';
  return static_cast<int>(n);
}

LRESULT CScriptedUser::SendMessageA(HWND hWnd, UINT Msg, WPARAM, LPARAM) {
  if (Valid(hWnd)) Window(hWnd).received.push_back(Msg);
  return 0;
}

BOOL CScriptedUser::IsIconic(HWND hWnd) {
  return Valid(hWnd) && Window(hWnd).bIconic;
}

BOOL CScriptedUser::IsWindowVisible(HWND hWnd) {
  return Valid(hWnd) && Window(hWnd).bVisible;
}

BOOL CScriptedUser::ShowWindow(HWND hWnd, int nCmdShow) {
  if (!Valid(hWnd)) return FALSE;
  CWindow& window = Window(hWnd);
  const BOOL bWasVisible = window.bVisible;
  if (nCmdShow == SW_RESTORE) window.bIconic = false;
  window.bVisible = nCmdShow != SW_HIDE;
  return bWasVisible;
}

BOOL CScriptedUser::SetForegroundWindow(HWND hWnd) {
  if (!Valid(hWnd)) return FALSE;
  for (auto& window : m_windows) window.bForeground = false;
  Window(hWnd).bForeground = true;
  return TRUE;
}

BOOL CScriptedUser::EnableWindow(HWND hWnd, BOOL bEnable) {
  if (!Valid(hWnd)) return FALSE;
  const BOOL bWasDisabled = !Window(hWnd).bEnabled;
  Window(hWnd).bEnabled = bEnable != 0;
  return bWasDisabled;
}

void CScriptedUser::DispatchPendingMessages() { ++m_nDispatches; }

void CScriptedUser::SetWaitCursor(BOOL bWait) {
  m_nWaitCursor += bWait ? 1 : -1;
}
