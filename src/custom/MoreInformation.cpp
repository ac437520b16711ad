#include "MoreInformation.h"

#include "fw/MessageBox.h"

void ShowMoreInformation(UINT nIDS) {
  AfxMessageBox(nIDS, MB_OK | MB_ICONINFORMATION);
}
