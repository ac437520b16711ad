// Static controls: text, black rectangles and bitmaps (SS_* styles).
#pragma once

#include "Wnd.h"

class CStatic : public CWnd {
 public:
  explicit CStatic(UINT nImage = 0) {
    m_kind = CWndKind::Static;
    m_nImage = nImage;
  }
  UINT GetStaticStyle() const { return GetStyle() & SS_TYPEMASK; }
};
