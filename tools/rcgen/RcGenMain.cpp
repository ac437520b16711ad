// quorrel_rcgen OUTDIR: writes the resource script of the Windows build and
// the pictures it includes into OUTDIR. Runs on the build machine.
#include <cstdio>
#include <fstream>
#include <string>

#include "Artwork.h"
#include "BitmapFile.h"
#include "RcScript.h"
#include "fw/ResourceTables.h"
#include "res/ProgramResources.h"

namespace {
bool WriteFileBytes(const std::string& strPath, const std::string& strBytes) {
  std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
  file.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
  file.close();
  if (!file)
    std::fprintf(stderr, "quorrel_rcgen: can't write %s\n", strPath.c_str());
  return static_cast<bool>(file);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quorrel_rcgen OUTDIR\n");
    return 2;
  }
  AfxSetResourceTables(ProgramResources());
  const std::string strDir = std::string(argv[1]) + "/";
  bool bOk = WriteFileBytes(strDir + kSplashBitmapFile,
                            EncodeBitmapFile(DrawSplashPicture()));
  bOk &= WriteFileBytes(strDir + kLogoBitmapFile,
                        EncodeBitmapFile(DrawProductLogo()));
  bOk &=
      WriteFileBytes(strDir + kMainIconFile,
                     EncodeIconFile(DrawMainIcon(), IconTransparentColour()));
  bOk &= WriteFileBytes(strDir + "quorrel.rc", RcResourceScript());
  return bOk ? 0 : 1;
}
