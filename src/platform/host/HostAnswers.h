// Scripted answers for message boxes: QUORREL_ANSWERS holds a
// comma-separated list of ok, cancel, yes, no (also abort, retry, ignore),
// taken in order, one per box.
#pragma once

#include <deque>
#include <string>

#include "platform/WinTypes.h"

class CHostAnswers {
 public:
  // Reads QUORREL_ANSWERS.
  CHostAnswers();
  explicit CHostAnswers(const std::string& strList);
  // The next scripted answer (IDOK, IDYES ...; -1 for a word that names no
  // button), or 0 when none is left.
  int Next();
  bool Empty() const { return m_answers.empty(); }

 private:
  std::deque<int> m_answers;
};

// IDOK for "ok" and so on; 0 for a word that names no button.
int AnswerFromWord(const std::string& strWord);
const char* WordFromAnswer(int nAnswer);
// Whether a box of that type offers the button.
bool BoxOffers(UINT uType, int nAnswer);
// The answer that changes nothing: No, or Cancel where offered, OK for a
// plain box.
int NeutralAnswer(UINT uType);
