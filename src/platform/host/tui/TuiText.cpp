#include "TuiText.h"

#include <algorithm>

namespace {
constexpr int kTabStop = 8;

// One line of the text (no '\n'), tabs as blanks to the next stop and
// carriage returns dropped.
std::vector<std::string> Paragraphs(const std::string& strText) {
  std::vector<std::string> paragraphs(1);
  for (char c : strText) {
    std::string& strLine = paragraphs.back();
    if (c == '\n')
      paragraphs.emplace_back();
    else if (c == '\t')
      strLine.append(
          static_cast<size_t>(kTabStop - TuiTextWidth(strLine) % kTabStop),
          ' ');
    else if (c != '\r')
      strLine += c;
  }
  return paragraphs;
}

// A paragraph as words, each with the blanks before it.
struct CWord {
  std::string strGap, strWord;
};

std::vector<CWord> Words(const std::string& strParagraph) {
  std::vector<CWord> words(1);
  for (char c : strParagraph) {
    if (c == ' ') {
      if (!words.back().strWord.empty()) words.emplace_back();
      words.back().strGap += c;
    } else {
      words.back().strWord += c;
    }
  }
  if (words.back().strWord.empty()) words.pop_back();  // trailing blanks
  return words;
}

// The first nCells characters of a UTF-8 text, and the rest.
std::pair<std::string, std::string> SplitAt(const std::string& str,
                                            int nCells) {
  size_t i = 0;
  for (int n = 0; i < str.size(); ++i) {
    if ((static_cast<unsigned char>(str[i]) & 0xC0) == 0x80) continue;
    if (n++ == nCells) break;
  }
  return {str.substr(0, i), str.substr(i)};
}

// Words wider than nWidth in pieces that fit, for a box that must show
// every character.
std::vector<CWord> Pieces(std::vector<CWord> words, int nWidth) {
  std::vector<CWord> out;
  for (CWord& word : words) {
    std::string strGap = word.strGap;
    while (TuiTextWidth(word.strWord) > nWidth) {
      auto split = SplitAt(word.strWord, nWidth);
      out.push_back(CWord{strGap, split.first});
      strGap = " ";
      word.strWord = split.second;
    }
    out.push_back(CWord{strGap, word.strWord});
  }
  return out;
}

// Greedy: as many words on each line as fit. The blanks before the first
// word of the paragraph are its indent and stay; those at a break go.
std::vector<std::string> Fill(const std::vector<CWord>& words, int nWidth) {
  std::vector<std::string> lines;
  std::string strLine;
  for (size_t i = 0; i < words.size(); ++i) {
    const CWord& word = words[i];
    if (i == 0) {
      strLine = word.strGap + word.strWord;
    } else if (TuiTextWidth(strLine) + TuiTextWidth(word.strGap) +
                   TuiTextWidth(word.strWord) <=
               nWidth) {
      strLine += word.strGap + word.strWord;
    } else {
      lines.push_back(strLine);
      strLine = word.strWord;
    }
  }
  lines.push_back(strLine);
  return lines;
}

// The narrowest width, down to the widest piece, at which the paragraph
// still takes as few lines as at nWidth.
int EvenWidth(const std::vector<CWord>& words, int nWidth) {
  const size_t nLines = Fill(words, nWidth).size();
  int nLow = 1;
  for (const CWord& word : words)
    nLow = std::max(nLow, TuiTextWidth(word.strWord));
  int nHigh = std::max(nWidth, nLow);
  while (nLow < nHigh) {
    const int nMid = (nLow + nHigh) / 2;
    if (Fill(words, nMid).size() <= nLines)
      nHigh = nMid;
    else
      nLow = nMid + 1;
  }
  return nHigh;
}
}  // namespace

int TuiTextWidth(const std::string& strUtf8) {
  int n = 0;
  for (unsigned char c : strUtf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::vector<std::string> TuiWrap(const std::string& strText, int nWidth) {
  std::vector<std::string> lines;
  for (const std::string& strParagraph : Paragraphs(strText)) {
    const std::vector<std::string> part = Fill(Words(strParagraph), nWidth);
    lines.insert(lines.end(), part.begin(), part.end());
  }
  return lines;
}

std::vector<std::string> TuiWrapEven(const std::string& strText, int nWidth) {
  std::vector<std::string> lines;
  for (const std::string& strParagraph : Paragraphs(strText)) {
    const std::vector<CWord> words =
        Pieces(Words(strParagraph), std::max(nWidth, 1));
    const std::vector<std::string> part =
        Fill(words, EvenWidth(words, std::max(nWidth, 1)));
    lines.insert(lines.end(), part.begin(), part.end());
  }
  return lines;
}

int TuiLongestWord(const std::string& strText) {
  int nLongest = 0;
  for (const std::string& strParagraph : Paragraphs(strText))
    for (const CWord& word : Words(strParagraph))
      nLongest = std::max(nLongest, TuiTextWidth(word.strWord));
  return nLongest;
}
