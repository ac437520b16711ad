#include "Artwork.h"

namespace {
// A PC Card seen from above: a silver body with a darker edge, the
// connector's contacts along the left side and a label.
void DrawCard(CPicture* pPicture, int x, int y, int cx, int cy, int nScale) {
  pPicture->FillRect(x + nScale, y + nScale, cx, cy, kBlack);  // shadow
  pPicture->FillRect(x, y, cx, cy, kSilver);
  pPicture->FrameRect(x, y, cx, cy, kGray);
  const int cxConnector = 4 * nScale;
  pPicture->FillRect(x, y, cxConnector, cy, kGray);
  for (int yPin = y + 2 * nScale; yPin + nScale < y + cy - nScale;
       yPin += 2 * nScale)
    pPicture->FillRect(x + nScale, yPin, 2 * nScale, nScale, kOlive);
  const int xLabel = x + cxConnector + 3 * nScale;
  pPicture->FillRect(xLabel, y + 3 * nScale, cx - cxConnector - 6 * nScale,
                     cy - 6 * nScale, kYellow);
  pPicture->FrameRect(xLabel, y + 3 * nScale, cx - cxConnector - 6 * nScale,
                      cy - 6 * nScale, kOlive);
  // Lines of print on the label.
  const int cxLine = (cx - cxConnector - 6 * nScale) * 2 / 3;
  for (int n = 1; n <= 3; ++n)
    pPicture->FillRect(xLabel + 2 * nScale, y + 3 * nScale + n * (cy / 5),
                       n == 1 ? cxLine : cxLine / 2, nScale, kNavy);
}

void CentredText(CPicture* pPicture, int y, const char* pszText, int nScale,
                 uint8_t nColour) {
  const int x = (pPicture->Width() - CPicture::TextWidth(pszText, nScale)) / 2;
  pPicture->Text(x + nScale / 2 + 1, y + nScale / 2 + 1, pszText, nScale,
                 kBlack);
  pPicture->Text(x, y, pszText, nScale, nColour);
}
}  // namespace

CPicture DrawSplashPicture() {
  CPicture picture(kSplashWidth, kSplashHeight, kNavy);
  // Navy at the top to blue at the bottom, in 17 dithered bands.
  const int cyBand = kSplashHeight / 17 + 1;
  for (int n = 0; n <= 16; ++n)
    picture.DitherRect(0, n * cyBand, kSplashWidth, cyBand, kNavy, kBlue, n);
  picture.FrameRect(0, 0, kSplashWidth, kSplashHeight, kWhite);
  picture.FrameRect(3, 3, kSplashWidth - 6, kSplashHeight - 6, kAqua);

  DrawCard(&picture, 190, 28, 140, 90, 3);
  CentredText(&picture, 140, "TESSARINE", 7, kWhite);
  CentredText(&picture, 206, "REGISTRY UPDATE UTILITY", 3, kAqua);
  CentredText(&picture, 236, "FOR WINDOWS NT", 3, kAqua);
  CentredText(&picture, 284, "CORVANE", 2, kSilver);
  return picture;
}

CPicture DrawProductLogo() {
  CPicture picture(kLogoSize, kLogoSize, kWhite);
  picture.FillCircle(kLogoSize / 2, kLogoSize / 2, 56, kNavy);
  picture.FillCircle(kLogoSize / 2, kLogoSize / 2, 52, kTeal);
  DrawCard(&picture, 24, 30, 68, 44, 2);
  picture.Text(kLogoSize / 2 - 7, 80, "T", 3, kWhite);
  return picture;
}

CPicture DrawMainIcon() {
  CPicture picture(kIconSize, kIconSize, IconTransparentColour());
  DrawCard(&picture, 2, 7, 27, 18, 1);
  return picture;
}

uint8_t IconTransparentColour() { return kFuchsia; }
