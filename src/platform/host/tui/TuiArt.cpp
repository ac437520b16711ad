#include "TuiArt.h"

#include <algorithm>

#include "platform/WinTypes.h"

namespace {
char At(const std::vector<std::string>& lines, size_t r, size_t c) {
  return c < lines[r].size() ? lines[r][c] : ' ';
}

std::vector<size_t> Indexes(size_t nCount) {
  std::vector<size_t> all(nCount);
  for (size_t i = 0; i < nCount; ++i) all[i] = i;
  return all;
}

// Rows blank inside the frame.
std::vector<size_t> BlankRows(const std::vector<std::string>& lines,
                              size_t nWidth) {
  std::vector<size_t> rows;
  for (size_t r = 1; r + 1 < lines.size(); ++r) {
    BOOL bBlank = TRUE;
    for (size_t c = 1; c + 1 < nWidth; ++c)
      bBlank = bBlank && At(lines, r, c) == ' ';
    if (bBlank) rows.push_back(r);
  }
  return rows;
}

// Columns blank inside the frame, but for the first of each run of them,
// so that words stay apart.
std::vector<size_t> SpareBlankColumns(const std::vector<std::string>& lines,
                                      size_t nWidth) {
  std::vector<size_t> cols;
  BOOL bAfterBlank = FALSE;
  for (size_t c = 1; c + 1 < nWidth; ++c) {
    BOOL bBlank = TRUE;
    for (size_t r = 1; r + 1 < lines.size(); ++r)
      bBlank = bBlank && At(lines, r, c) == ' ';
    if (bBlank && bAfterBlank) cols.push_back(c);
    bAfterBlank = bBlank;
  }
  return cols;
}

// all without as many of the candidates as it takes to come down to
// nTarget, spread evenly over them.
std::vector<size_t> Shrink(const std::vector<size_t>& all,
                           const std::vector<size_t>& candidates,
                           size_t nTarget) {
  if (all.size() <= nTarget || candidates.empty()) return all;
  const size_t nDrop = std::min(all.size() - nTarget, candidates.size());
  std::vector<size_t> dropped;
  for (size_t i = 0; i < nDrop; ++i)
    dropped.push_back(
        candidates[(2 * i + 1) * candidates.size() / (2 * nDrop)]);
  std::vector<size_t> kept;
  for (size_t n : all)
    if (std::find(dropped.begin(), dropped.end(), n) == dropped.end())
      kept.push_back(n);
  return kept;
}

// nTarget of all, evenly, the first and the last among them.
std::vector<size_t> Sample(const std::vector<size_t>& all, size_t nTarget) {
  if (all.size() <= nTarget) return all;
  if (nTarget <= 1)
    return std::vector<size_t>(all.begin(), all.begin() + nTarget);
  std::vector<size_t> kept;
  for (size_t i = 0; i < nTarget; ++i)
    kept.push_back(all[i * (all.size() - 1) / (nTarget - 1)]);
  return kept;
}

// Positions inside a row's frame that repeat the blank, line or dots
// before them: one fewer of those changes no word and opens no line.
std::vector<size_t> SpareBlanks(const std::string& strLine) {
  std::vector<size_t> blanks;
  for (size_t c = 2; c + 1 < strLine.size(); ++c)
    if (strLine[c] == strLine[c - 1] &&
        (strLine[c] == ' ' || strLine[c] == '-' || strLine[c] == ':'))
      blanks.push_back(c);
  return blanks;
}

// Each line nDrop characters narrower, taken from its own spare blanks, so
// that words keep their letters and the frame stays closed; empty when a
// line has too few of them.
std::vector<std::string> NarrowEachLine(const std::vector<std::string>& lines,
                                        size_t nDrop) {
  std::vector<std::string> narrowed;
  for (const std::string& strLine : lines) {
    const std::vector<size_t> keep = Shrink(
        Indexes(strLine.size()), SpareBlanks(strLine), strLine.size() - nDrop);
    if (keep.size() != strLine.size() - nDrop) return {};
    std::string strOut;
    for (size_t c : keep) strOut += strLine[c];
    narrowed.push_back(strOut);
  }
  return narrowed;
}

}  // namespace

std::vector<std::string> TuiFitArt(const std::vector<std::string>& lines,
                                   int nCols, int nRows) {
  if (lines.empty()) return lines;
  size_t nWidth = 0;
  for (const std::string& strLine : lines)
    nWidth = std::max(nWidth, strLine.size());
  const size_t nMaxRows = static_cast<size_t>(std::max(nRows, 0));
  const size_t nMaxCols = static_cast<size_t>(std::max(nCols, 0));
  const std::vector<size_t> rows =
      Sample(Shrink(Indexes(lines.size()), BlankRows(lines, nWidth), nMaxRows),
             nMaxRows);
  const std::vector<size_t> cols =
      Shrink(Indexes(nWidth), SpareBlankColumns(lines, nWidth), nMaxCols);
  std::vector<std::string> fitted;
  for (size_t r : rows) {
    std::string strLine;
    for (size_t c : cols) strLine += At(lines, r, c);
    fitted.push_back(strLine);
  }
  if (cols.size() <= nMaxCols) return fitted;
  const std::vector<std::string> narrowed =
      NarrowEachLine(fitted, cols.size() - nMaxCols);
  if (!narrowed.empty()) return narrowed;
  // Too little room for that: every few columns one is left out.
  const std::vector<size_t> sampled = Sample(Indexes(cols.size()), nMaxCols);
  for (std::string& strLine : fitted) {
    std::string strOut;
    for (size_t c : sampled) strOut += strLine[c];
    strLine = strOut;
  }
  return fitted;
}
