#include "HostAnswers.h"

#include <cstdlib>
#include <vector>

namespace {
struct CButtonWord {
  int nAnswer;
  const char* pszWord;
};
const CButtonWord kWords[] = {{IDOK, "ok"},         {IDCANCEL, "cancel"},
                              {IDABORT, "abort"},   {IDRETRY, "retry"},
                              {IDIGNORE, "ignore"}, {IDYES, "yes"},
                              {IDNO, "no"}};

std::string Lower(std::string strText) {
  for (char& c : strText)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return strText;
}

std::string Trim(const std::string& strText) {
  const size_t first = strText.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  const size_t last = strText.find_last_not_of(" \t\r\n");
  return strText.substr(first, last - first + 1);
}

std::vector<int> ButtonsOf(UINT uType) {
  switch (uType & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
      return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
      return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
      return {IDYES, IDNO};
    case MB_RETRYCANCEL:
      return {IDRETRY, IDCANCEL};
    default:
      return {IDOK};
  }
}
}  // namespace

int AnswerFromWord(const std::string& strWord) {
  const std::string strLower = Lower(Trim(strWord));
  for (const auto& word : kWords)
    if (strLower == word.pszWord) return word.nAnswer;
  return 0;
}

const char* WordFromAnswer(int nAnswer) {
  for (const auto& word : kWords)
    if (word.nAnswer == nAnswer) return word.pszWord;
  return "?";
}

bool BoxOffers(UINT uType, int nAnswer) {
  for (int nButton : ButtonsOf(uType))
    if (nButton == nAnswer) return true;
  return false;
}

int NeutralAnswer(UINT uType) {
  if (BoxOffers(uType, IDCANCEL)) return IDCANCEL;
  if (BoxOffers(uType, IDNO)) return IDNO;
  if (BoxOffers(uType, IDABORT)) return IDABORT;
  return IDOK;
}

CHostAnswers::CHostAnswers() {
  const char* pszList = std::getenv("QUORREL_ANSWERS");
  *this = CHostAnswers(pszList ? pszList : "");
}

CHostAnswers::CHostAnswers(const std::string& strList) {
  size_t start = 0;
  while (start <= strList.size()) {
    const size_t comma = strList.find(',', start);
    const std::string strWord = strList.substr(
        start, comma == std::string::npos ? std::string::npos : comma - start);
    if (!Trim(strWord).empty()) {
      // A word that names no button stays in its place and is refused by
      // the box it reaches.
      const int nAnswer = AnswerFromWord(strWord);
      m_answers.push_back(nAnswer != 0 ? nAnswer : -1);
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

int CHostAnswers::Next() {
  if (m_answers.empty()) return 0;
  const int nAnswer = m_answers.front();
  m_answers.pop_front();
  return nAnswer;
}
