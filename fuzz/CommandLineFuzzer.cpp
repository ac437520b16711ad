// libFuzzer target of the command-line parser: the input, split at zero
// bytes, is the argument list. The run-mode flags must keep their rules
// whatever the line: never both silent modes, never verbose with a silent
// mode, and a program folder only for a line that parsed.
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/RunMode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cbData) {
  std::vector<std::string> args(1);
  for (size_t i = 0; i < cbData && args.size() < 64; ++i) {
    if (pData[i] == 0)
      args.emplace_back();
    else
      args.back().push_back(static_cast<char>(pData[i]));
  }
  g_bSilentUpdate = g_bSilentDelete = g_bShowUsage = FALSE;
  g_bCommandLineError = g_bVerbose = FALSE;
  g_strProgramFolder.clear();
  CquorrelCommandLineInfo info;
  ParseCommandLine(info, args);
  if (g_bSilentUpdate && g_bSilentDelete) std::abort();
  if (g_bVerbose && (g_bSilentUpdate || g_bSilentDelete)) std::abort();
  return 0;
}
