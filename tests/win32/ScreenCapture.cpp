#include "ScreenCapture.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

std::string ArtifactDirectory() {
  char szDir[MAX_PATH];
  const DWORD n =
      GetEnvironmentVariableA("QUORREL_ARTIFACTS_WIN", szDir, sizeof(szDir));
  std::string strDir = n > 0 && n < sizeof(szDir) ? szDir : ".";
  if (strDir.back() != '\\') strDir += '\\';
  return strDir;
}

BOOL CaptureWindow(HWND hWnd, const std::string& strPath) {
  RECT rc;
  if (!GetWindowRect(hWnd, &rc)) return FALSE;
  const int cx = rc.right - rc.left;
  const int cy = rc.bottom - rc.top;
  if (cx <= 0 || cy <= 0) return FALSE;
  HDC hdcScreen = GetDC(nullptr);
  HDC hdcMem = CreateCompatibleDC(hdcScreen);
  HBITMAP hBitmap = CreateCompatibleBitmap(hdcScreen, cx, cy);
  HGDIOBJ hOld = SelectObject(hdcMem, hBitmap);
  BitBlt(hdcMem, 0, 0, cx, cy, hdcScreen, rc.left, rc.top, SRCCOPY);
  SelectObject(hdcMem, hOld);

  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = cx;
  info.biHeight = cy;  // bottom-up, as the file keeps it
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD cbRow = static_cast<DWORD>((cx * 3 + 3) & ~3);
  std::vector<BYTE> bits(cbRow * static_cast<DWORD>(cy));
  const int nLines =
      GetDIBits(hdcMem, hBitmap, 0, static_cast<UINT>(cy), bits.data(),
                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(hBitmap);
  DeleteDC(hdcMem);
  ReleaseDC(nullptr, hdcScreen);
  if (nLines != cy) return FALSE;

  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
  FILE* pFile = std::fopen(strPath.c_str(), "wb");
  if (!pFile) return FALSE;
  const bool bOk = std::fwrite(&file, sizeof(file), 1, pFile) == 1 &&
                   std::fwrite(&info, sizeof(info), 1, pFile) == 1 &&
                   std::fwrite(bits.data(), bits.size(), 1, pFile) == 1;
  return std::fclose(pFile) == 0 && bOk;
}
