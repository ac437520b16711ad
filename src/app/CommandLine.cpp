#include "CommandLine.h"

#include "RunMode.h"
#include "platform/NameCase.h"

void CquorrelCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag,
                                         BOOL bLast) {
  const std::string strParam = pszParam ? pszParam : "";
  if (bFlag)
    ParseSwitch(strParam);
  else
    ParsePlain(strParam);
  if (bLast) CheckEnd();
}

void CquorrelCommandLineInfo::ParseSwitch(const std::string& strSwitch) {
  // A switch where an argument was due takes that argument's turn.
  if (m_bExpectRunArg) {
    m_bExpectRunArg = FALSE;
    m_bRunArgTaken = TRUE;
    g_bCommandLineError = TRUE;
  }
  if (m_bExpectFolderArg) {
    m_bExpectFolderArg = FALSE;
    m_bFolderArgTaken = TRUE;
    g_bCommandLineError = TRUE;
  }
  const std::string strUpper = UpperName(strSwitch);
  if (strUpper.size() != 1) {
    g_bCommandLineError = TRUE;
    return;
  }
  switch (strUpper[0]) {
    case '?':
    case 'H':
      g_bShowUsage = TRUE;
      break;
    case 'D':
      if (m_bFolderArgTaken) {
        g_strProgramFolder.clear();
        g_bCommandLineError = TRUE;
      } else {
        m_bExpectFolderArg = TRUE;
      }
      break;
    case 'S':
      if (m_bRunArgTaken || g_bVerbose) {
        g_bCommandLineError = TRUE;
        g_bSilentUpdate = FALSE;
        g_bSilentDelete = FALSE;
      } else {
        m_bExpectRunArg = TRUE;
      }
      break;
    case 'V':
      if (m_bRunArgTaken)
        g_bCommandLineError = TRUE;
      else
        g_bVerbose = TRUE;
      break;
    default:
      g_bCommandLineError = TRUE;
      break;
  }
}

void CquorrelCommandLineInfo::ParsePlain(const std::string& strArg) {
  if (m_bExpectRunArg) {
    m_bExpectRunArg = FALSE;
    m_bRunArgTaken = TRUE;
    const std::string strUpper = UpperName(strArg);
    if (strUpper == "UPDATE")
      g_bSilentUpdate = TRUE;
    else if (strUpper == "DELETE")
      g_bSilentDelete = TRUE;
    else
      g_bCommandLineError = TRUE;
  } else if (m_bExpectFolderArg) {
    m_bExpectFolderArg = FALSE;
    m_bFolderArgTaken = TRUE;
    g_strProgramFolder = strArg;
  } else {
    g_bCommandLineError = TRUE;
  }
}

void CquorrelCommandLineInfo::CheckEnd() {
  if (m_bExpectRunArg || m_bExpectFolderArg) g_bCommandLineError = TRUE;
  if (g_bShowUsage &&
      (g_bSilentUpdate || g_bSilentDelete || !g_strProgramFolder.empty()))
    g_bCommandLineError = TRUE;
}

bool IsUsageRun(const std::vector<std::string>& args) {
  CquorrelCommandLineInfo info;
  ParseCommandLine(info, args);
  const bool bUsage = g_bCommandLineError || g_bShowUsage;
  ResetRunMode();
  return bUsage;
}

void ParseCommandLine(CquorrelCommandLineInfo& info,
                      const std::vector<std::string>& args) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& strArg = args[i];
    const BOOL bFlag =
        !strArg.empty() && (strArg[0] == '-' || strArg[0] == '/');
    const std::string strParam = bFlag ? strArg.substr(1) : strArg;
    info.ParseParam(strParam.c_str(), bFlag, i + 1 == args.size());
  }
}
