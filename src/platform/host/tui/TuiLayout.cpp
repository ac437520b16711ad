#include "TuiLayout.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kCellWidth = 5;
constexpr int kCellHeight = 13;

// f(b) - f(a) >= nCells on one axis, a and b pixel offsets.
struct CSpan {
  LONG a, b;
  int nCells;
  // b lies exactly nCells after a where it can: rows of text one under
  // the other follow without a gap.
  BOOL bTight = FALSE;
};

int Round(double d) { return static_cast<int>(std::floor(d + 0.5)); }

size_t IndexOf(const std::vector<LONG>& points, LONG n) {
  return static_cast<size_t>(std::lower_bound(points.begin(), points.end(), n) -
                             points.begin());
}

std::vector<LONG> Breakpoints(LONG nLength, const std::vector<CSpan>& spans) {
  std::vector<LONG> points = {0, nLength};
  for (const CSpan& span : spans) {
    points.push_back(span.a);
    points.push_back(span.b);
  }
  std::sort(points.begin(), points.end());
  points.erase(std::unique(points.begin(), points.end()), points.end());
  return points;
}

// The fewest cells each breakpoint needs above it (longest path from 0).
std::vector<int> LeastBefore(const std::vector<LONG>& points,
                             const std::vector<CSpan>& spans) {
  std::vector<int> least(points.size(), 0);
  for (size_t i = 1; i < points.size(); ++i) {
    least[i] = least[i - 1];
    for (const CSpan& span : spans)
      if (span.b == points[i])
        least[i] =
            std::max(least[i], least[IndexOf(points, span.a)] + span.nCells);
  }
  return least;
}

std::vector<int> LeastAfter(const std::vector<LONG>& points,
                            const std::vector<CSpan>& spans) {
  std::vector<int> least(points.size(), 0);
  for (size_t i = points.size() - 1; i-- > 0;) {
    least[i] = least[i + 1];
    for (const CSpan& span : spans)
      if (span.a == points[i])
        least[i] =
            std::max(least[i], least[IndexOf(points, span.b)] + span.nCells);
  }
  return least;
}

// The cell of each breakpoint in proportion; a span that needs more cells
// than its share starts earlier by half the difference, so that what it
// holds (a button's label) stays centred where the template has it.
std::vector<int> Ideals(const std::vector<LONG>& points,
                        const std::vector<CSpan>& spans, LONG nLength,
                        int nCells) {
  std::vector<int> ideal;
  for (LONG nPoint : points)
    ideal.push_back(Round(static_cast<double>(nPoint) * nCells /
                          std::max<LONG>(nLength, 1)));
  std::vector<int> centred = ideal;
  for (const CSpan& span : spans) {
    const size_t a = IndexOf(points, span.a), b = IndexOf(points, span.b);
    const int nShort = span.nCells - (ideal[b] - ideal[a]);
    if (nShort > 1) centred[a] = std::min(centred[a], ideal[a] - nShort / 2);
  }
  return centred;
}

// Each breakpoint at its proportional cell, moved as little as the spans
// ask; *pnNeeded is the fewest cells the axis can do with.
BOOL SolveAxis(LONG nLength, int nCells, std::vector<CSpan> spans,
               CTuiAxis* pAxis, int* pnNeeded) {
  spans.erase(std::remove_if(spans.begin(), spans.end(),
                             [&](const CSpan& s) {
                               return s.a >= s.b || s.a < 0 || s.b > nLength;
                             }),
              spans.end());
  const std::vector<LONG> points = Breakpoints(nLength, spans);
  *pnNeeded = LeastBefore(points, spans).back();
  if (*pnNeeded > nCells) return FALSE;
  const std::vector<int> after = LeastAfter(points, spans);
  const std::vector<int> ideal = Ideals(points, spans, nLength, nCells);
  std::vector<int> cells(points.size(), 0);
  for (size_t i = 1; i < points.size(); ++i) {
    int nLow = cells[i - 1];
    BOOL bTight = FALSE;
    for (const CSpan& span : spans) {
      if (span.b != points[i]) continue;
      nLow = std::max(nLow, cells[IndexOf(points, span.a)] + span.nCells);
      bTight = bTight || span.bTight;
    }
    cells[i] =
        bTight ? nLow : std::max(nLow, std::min(ideal[i], nCells - after[i]));
  }
  pAxis->pixels = points;
  pAxis->cells = cells;
  return TRUE;
}

BOOL IsContainer(const CTuiLayoutItem& item) {
  return item.kind == CTuiItemKind::GroupBox || item.kind == CTuiItemKind::Pane;
}

// Pictures span several rows of controls and join none of them.
BOOL JoinsBands(const CTuiLayoutItem& item) {
  return !IsContainer(item) && item.kind != CTuiItemKind::Picture;
}

BOOL SideBySide(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right;
}

BOOL Centred(const RECT& inner, const RECT& outer) {
  const LONG nCentre = (inner.top + inner.bottom) / 2;
  return nCentre >= outer.top && nCentre < outer.bottom;
}

// Items of one parent whose template rows meet, each with the top of the
// first: band[i] is the item that anchors item i's band.
std::vector<size_t> Bands(const std::vector<CTuiLayoutItem>& items) {
  std::vector<size_t> order(items.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return items[a].rc.top < items[b].rc.top;
  });
  std::vector<size_t> band(items.size());
  std::vector<size_t> anchors;
  for (size_t i : order) {
    band[i] = i;
    if (!JoinsBands(items[i])) continue;
    for (size_t a : anchors) {
      if (items[a].nParent == items[i].nParent &&
          Centred(items[i].rc, items[a].rc) &&
          Centred(items[a].rc, items[i].rc)) {
        band[i] = a;
        break;
      }
    }
    if (band[i] == i) anchors.push_back(i);
  }
  return band;
}

// bRoomy: a push button's label with blanks inside its brackets.
int WidthNeeded(const CTuiLayoutItem& item, BOOL bRoomy) {
  switch (item.kind) {
    case CTuiItemKind::PushButton:
      return TuiTextWidth(item.strText) + (bRoomy ? 4 : 2);
    case CTuiItemKind::Check:
      return TuiLongestWord(item.strText) + 4;
    case CTuiItemKind::Text:
      return std::max(1, TuiLongestWord(item.strText));
    case CTuiItemKind::GroupBox:
      return item.strText.empty() ? 2 : TuiTextWidth(item.strText) + 6;
    case CTuiItemKind::Combo:
      return TuiTextWidth(item.strText) + 4;
    case CTuiItemKind::Picture:
      return item.nCols;
    case CTuiItemKind::Pane:
    default:
      return 0;
  }
}

int RowsNeeded(const CTuiLayoutItem& item, int nCols) {
  switch (item.kind) {
    case CTuiItemKind::Check:
      return static_cast<int>(TuiWrap(item.strText, nCols - 4).size());
    case CTuiItemKind::Text:
      return static_cast<int>(TuiWrap(item.strText, nCols).size());
    case CTuiItemKind::GroupBox:
      return 2;
    case CTuiItemKind::Picture:
      return item.nRows;
    case CTuiItemKind::Pane:
      return 0;
    default:
      return 1;
  }
}

// A group box's border lies between it and the items it holds.
void AddBorders(const std::vector<CTuiLayoutItem>& items, size_t i, LONG nStart,
                LONG nEnd, LONG nParentStart, LONG nParentEnd, int nBorder,
                std::vector<CSpan>* pSpans) {
  const int nParent = items[i].nParent;
  if (nParent < 0 ||
      items[static_cast<size_t>(nParent)].kind != CTuiItemKind::GroupBox)
    return;
  pSpans->push_back(CSpan{nParentStart, nStart, nBorder});
  pSpans->push_back(CSpan{nEnd, nParentEnd, nBorder});
}

// bRoomy asks for a blank column inside every border as well.
std::vector<CSpan> ColumnSpans(const std::vector<CTuiLayoutItem>& items,
                               LONG nWidth, BOOL bRoomy) {
  std::vector<CSpan> spans;
  for (size_t i = 0; i < items.size(); ++i) {
    const RECT& rc = items[i].rc;
    spans.push_back(CSpan{rc.left, rc.right, WidthNeeded(items[i], bRoomy)});
    if (items[i].nParent >= 0) {
      const RECT& parent = items[static_cast<size_t>(items[i].nParent)].rc;
      AddBorders(items, i, rc.left, rc.right, parent.left, parent.right,
                 bRoomy ? 2 : 1, &spans);
    } else if (bRoomy && rc.right < nWidth) {
      spans.push_back(CSpan{rc.right, nWidth, 1});
    }
    if (!bRoomy || IsContainer(items[i])) continue;
    // A blank column between controls that stand side by side.
    for (const CTuiLayoutItem& other : items)
      if (!IsContainer(other) && other.nParent == items[i].nParent &&
          rc.right <= other.rc.left && rc.top < other.rc.bottom &&
          other.rc.top < rc.bottom)
        spans.push_back(CSpan{rc.right, other.rc.left, 1});
  }
  return spans;
}

// Of two controls in one column whose template rectangles overlap, the
// lower starts below the upper's text.
void AddStacking(const std::vector<CTuiLayoutItem>& items,
                 const std::vector<size_t>& band, const std::vector<int>& rows,
                 std::vector<CSpan>* pSpans) {
  for (size_t i = 0; i < items.size(); ++i) {
    for (size_t j = 0; j < items.size(); ++j) {
      const RECT& a = items[i].rc;
      const RECT& b = items[j].rc;
      if (i == j || band[i] == band[j] || IsContainer(items[i]) ||
          IsContainer(items[j]) || items[i].nParent != items[j].nParent)
        continue;
      const LONG nTopA = items[band[i]].rc.top, nTopB = items[band[j]].rc.top;
      if (SideBySide(a, b) && nTopA < nTopB && a.bottom > nTopB)
        pSpans->push_back(CSpan{nTopA, nTopB, rows[i], TRUE});
    }
  }
}

std::vector<CSpan> RowSpans(const std::vector<CTuiLayoutItem>& items,
                            const std::vector<size_t>& band,
                            const CTuiAxis& x) {
  std::vector<CSpan> spans;
  std::vector<int> rows;
  for (size_t i = 0; i < items.size(); ++i) {
    const RECT& rc = items[i].rc;
    const LONG nTop = items[band[i]].rc.top;
    const int nCols = x.Map(rc.right) - x.Map(rc.left);
    rows.push_back(RowsNeeded(items[i], nCols));
    spans.push_back(CSpan{nTop, std::max(rc.bottom, nTop + 1), rows.back()});
    if (items[i].nParent >= 0) {
      const RECT& parent = items[static_cast<size_t>(items[i].nParent)].rc;
      AddBorders(items, i, nTop, rc.bottom, parent.top, parent.bottom, 1,
                 &spans);
    }
  }
  AddStacking(items, band, rows, &spans);
  return spans;
}

// Where two controls' template rectangles overlap, the upper ends where the
// lower begins.
void ClipStacked(const std::vector<CTuiLayoutItem>& items,
                 std::vector<CCellRect>* pCells) {
  auto& cells = *pCells;
  for (size_t i = 0; i < items.size(); ++i) {
    for (size_t j = 0; j < items.size(); ++j) {
      if (i == j || IsContainer(items[i]) || IsContainer(items[j]) ||
          items[i].nParent != items[j].nParent ||
          !SideBySide(items[i].rc, items[j].rc))
        continue;
      if (cells[i].row < cells[j].row &&
          cells[i].row + cells[i].rows > cells[j].row)
        cells[i].rows = cells[j].row - cells[i].row;
    }
  }
}

// A drop-down list's rectangle holds its list; closed, it is one line.
std::vector<CTuiLayoutItem> ClosedLists(std::vector<CTuiLayoutItem> items) {
  for (CTuiLayoutItem& item : items)
    if (item.kind == CTuiItemKind::Combo)
      item.rc.bottom =
          std::min<LONG>(item.rc.bottom, item.rc.top + kCellHeight * 3 / 2);
  return items;
}

struct CInsets {
  int left, top, right, bottom;
};

CInsets InsetsOf(const CTuiWindowShape& shape) {
  return CInsets{Round((shape.client.left - shape.window.left) /
                       static_cast<double>(kCellWidth)),
                 Round((shape.client.top - shape.window.top) /
                       static_cast<double>(kCellHeight)),
                 Round((shape.window.right - shape.client.right) /
                       static_cast<double>(kCellWidth)),
                 Round((shape.window.bottom - shape.client.bottom) /
                       static_cast<double>(kCellHeight))};
}

// Where a window of nSize cells starts: about the centre the framework
// gave it, kept on the screen.
int Place(LONG nStart, LONG nEnd, int nCell, int nSize, int nScreen) {
  const double dCentre = (nStart + nEnd) / 2.0 / nCell;
  const int nAt = Round(dCentre - nSize / 2.0);
  return std::max(0, std::min(nAt, nScreen - nSize));
}

// Lays out one axis, growing the window up to the screen when the items
// need more than its nominal size.
BOOL LayOutAxis(LONG nLength, int nNominal, int nInsets, int nScreen,
                const std::vector<CSpan>& spans, CTuiAxis* pAxis, int* pnCells,
                int* pnMin) {
  int nCells = std::min(nNominal, nScreen - nInsets);
  int nNeeded = 0;
  if (SolveAxis(nLength, nCells, spans, pAxis, &nNeeded)) {
    *pnCells = nCells;
    return TRUE;
  }
  *pnMin = nNeeded + nInsets;
  if (nNeeded > nScreen - nInsets) return FALSE;
  *pnCells = nNeeded;
  return SolveAxis(nLength, nNeeded, spans, pAxis, &nNeeded);
}
}  // namespace

int CTuiAxis::Map(LONG nPixel) const {
  if (pixels.empty()) return 0;
  auto it = std::lower_bound(pixels.begin(), pixels.end(), nPixel);
  if (it == pixels.end()) return cells.back();
  const size_t i = static_cast<size_t>(it - pixels.begin());
  if (*it == nPixel || i == 0) return cells[i];
  const double dShare = static_cast<double>(nPixel - pixels[i - 1]) /
                        static_cast<double>(pixels[i] - pixels[i - 1]);
  return cells[i - 1] + Round(dShare * (cells[i] - cells[i - 1]));
}

CTuiLayout TuiLayOut(const CTuiWindowShape& shape,
                     const std::vector<CTuiLayoutItem>& given, int nCols,
                     int nRows) {
  CTuiLayout layout;
  const std::vector<CTuiLayoutItem> items = ClosedLists(given);
  const CInsets insets = InsetsOf(shape);
  const LONG nWidth = shape.client.right - shape.client.left;
  const LONG nHeight = shape.client.bottom - shape.client.top;
  int nClientCols = 0, nClientRows = 0;
  const int nNominalCols = Round(nWidth / static_cast<double>(kCellWidth));
  const int nSideCols = insets.left + insets.right;
  if (!LayOutAxis(nWidth, nNominalCols, nSideCols, nCols,
                  ColumnSpans(items, nWidth, TRUE), &layout.x, &nClientCols,
                  &layout.nMinCols) &&
      !LayOutAxis(nWidth, nNominalCols, nSideCols, nCols,
                  ColumnSpans(items, nWidth, FALSE), &layout.x, &nClientCols,
                  &layout.nMinCols))
    return layout;
  const std::vector<size_t> band = Bands(items);
  if (!LayOutAxis(nHeight, Round(nHeight / static_cast<double>(kCellHeight)),
                  insets.top + insets.bottom, nRows,
                  RowSpans(items, band, layout.x), &layout.y, &nClientRows,
                  &layout.nMinRows))
    return layout;
  layout.bFits = TRUE;
  const int nWinCols = nClientCols + insets.left + insets.right;
  const int nWinRows = nClientRows + insets.top + insets.bottom;
  layout.window = CCellRect{
      Place(shape.window.left, shape.window.right, kCellWidth, nWinCols, nCols),
      Place(shape.window.top, shape.window.bottom, kCellHeight, nWinRows,
            nRows),
      nWinCols, nWinRows};
  layout.client =
      CCellRect{layout.window.col + insets.left, layout.window.row + insets.top,
                nClientCols, nClientRows};
  std::vector<int> bandSize(items.size(), 0);
  for (size_t i = 0; i < items.size(); ++i) ++bandSize[band[i]];
  for (size_t i = 0; i < items.size(); ++i) {
    const RECT& rc = items[i].rc;
    const int nLeft = layout.x.Map(rc.left);
    const int nTop = layout.y.Map(items[band[i]].rc.top);
    layout.cells.push_back(
        CCellRect{layout.client.col + nLeft, layout.client.row + nTop,
                  std::max(1, layout.x.Map(rc.right) - nLeft),
                  std::max(1, layout.y.Map(rc.bottom) - nTop)});
    layout.inBand.push_back(bandSize[band[i]] > 1);
  }
  ClipStacked(items, &layout.cells);
  return layout;
}
