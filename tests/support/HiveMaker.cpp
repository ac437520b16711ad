#include "HiveMaker.h"

#include <hivex.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "ProcessRunner.h"
#include "RegfCheck.h"

namespace {
std::string RunReader(const std::vector<std::string>& argv) {
  return RunProcess(argv, CProcessOptions()).strStdout;
}

std::vector<std::string> SortedLines(const std::string& strText) {
  std::vector<std::string> lines;
  std::istringstream in(strText);
  for (std::string strLine; std::getline(in, strLine);)
    if (!strLine.empty()) lines.push_back(strLine);
  std::sort(lines.begin(), lines.end());
  return lines;
}
}  // namespace

std::string Utf16Sz(const std::string& strText) {
  std::string strOut;
  for (char c : strText) {
    strOut += c;
    strOut += '\0';
  }
  return strOut + std::string(2, '\0');
}

CHiveMaker::CHiveMaker(const std::string& strPath) : m_strPath(strPath) {
  // The figures the hives of these tests always had.
  m_hive.dwSequence = 2;
  m_hive.qwTime = 0x01C4B0F35D1C2A00ull;  // 2004-10-13 07:07:55
  m_hive.strFileName = strPath.substr(strPath.rfind('/') + 1);
}

CRegfKey& CHiveMaker::Key(const std::string& strPath) {
  return m_hive.root.Key(strPath);
}

bool CHiveMaker::Set(const std::string& strPath, const std::string& strName,
                     uint32_t dwType, const std::string& strRaw) {
  Key(strPath).Set(strName, dwType, strRaw);
  return true;
}

bool CHiveMaker::SetString(const std::string& strPath,
                           const std::string& strName,
                           const std::string& strText, uint32_t dwType) {
  return Set(strPath, strName, dwType, Utf16Sz(strText));
}

bool CHiveMaker::SetDword(const std::string& strPath,
                          const std::string& strName, uint32_t dwValue) {
  Key(strPath).SetDword(strName, dwValue);
  return true;
}

bool CHiveMaker::Commit() {
  if (!WriteRegfHive(m_strPath, m_hive)) return false;
  // What NT 4.0 leaves beside its hives: the log of an earlier save (stale:
  // the hive is clean) and, for SYSTEM, SYSTEM.ALT equal to it.
  CRegfHive earlier = m_hive;
  earlier.dwSequence -= 1;
  earlier.qwTime -= 10000000;
  const std::string strLog = RegfOldLog(RegfImage(earlier), {0, 1});
  if (!WriteWholeFile(m_strPath + ".LOG", strLog)) return false;
  const std::string strName = m_strPath.substr(m_strPath.rfind('/') + 1);
  return strName != "SYSTEM" || WriteRegfHive(m_strPath + ".ALT", m_hive);
}

bool MakeHive(const std::string& strPath, const std::string& strRoot,
              void (*fill)(CHiveMaker&)) {
  CHiveMaker maker(strPath);
  maker.Hive().root.strName = strRoot;
  maker.Hive().root.strClass = "RootClass";
  if (fill) fill(maker);
  return maker.Commit();
}

std::vector<std::string> ReglookupLines(const std::string& strHive,
                                        bool bTimes) {
  std::vector<std::string> lines =
      SortedLines(RunReader({"/usr/bin/reglookup", "-H", "-s", strHive}));
  if (bTimes) return lines;
  // The modification time is the fourth column; the rest stay.
  for (std::string& strLine : lines) {
    size_t nComma = 0;
    for (int i = 0; i < 3 && nComma != std::string::npos; ++i)
      nComma = strLine.find(',', nComma + (i ? 1 : 0));
    const size_t nEnd = strLine.find(',', nComma + 1);
    if (nComma != std::string::npos && nEnd != std::string::npos)
      strLine.erase(nComma, nEnd - nComma);
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<std::string> RegfexportKeys(const std::string& strHive) {
  const std::string strText = RunReader({"/usr/bin/regfexport", strHive});
  std::vector<std::string> keys;
  for (size_t nAt = strText.find("Key path:"); nAt != std::string::npos;) {
    const size_t nNext = strText.find("\nKey path:", nAt);
    keys.push_back(strText.substr(nAt, nNext - nAt));
    nAt = nNext == std::string::npos ? nNext : nNext + 1;
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

std::string HiveFaults(const std::string& strHive) {
  std::string strFaults;
  for (const std::string& strProblem : CheckRegfFile(strHive))
    strFaults += strProblem + "\n";
  for (const char* pszReader : {"/usr/bin/reglookup", "/usr/bin/regfexport"}) {
    const CProcessResult result =
        RunProcess({pszReader, strHive}, CProcessOptions());
    if (result.nExitStatus != 0 ||
        result.strStderr.find("ERROR") != std::string::npos)
      strFaults +=
          std::string(pszReader) + " fails: " + result.strStderr + "\n";
  }
  hive_h* pHive = hivex_open(strHive.c_str(), 0);
  if (pHive == nullptr)
    strFaults += "libhivex cannot open it\n";
  else
    hivex_close(pHive);
  return strFaults;
}

std::vector<std::string> LinesMissing(const std::vector<std::string>& a,
                                      const std::vector<std::string>& b) {
  std::vector<std::string> missing;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(),
                      std::back_inserter(missing));
  return missing;
}

std::string HivePath(const std::string& strMachine,
                     const std::string& strName) {
  return strMachine + "/WINNT/system32/config/" + strName;
}

std::string UserHivePath(const std::string& strMachine) {
  return strMachine + "/WINNT/Profiles/Administrator/NTUSER.DAT";
}

void MakeHiveMachine(const std::string& strMachine,
                     void (*fillSystem)(CHiveMaker&)) {
  MakeHostDirectory(strMachine + "/WINNT/system32/config");
  MakeHostDirectory(strMachine + "/WINNT/Profiles/Administrator");
  MakeHive(
      HivePath(strMachine, "SYSTEM"), "$$$PROTO.HIV",
      fillSystem ? fillSystem : [](CHiveMaker& hive) {
        hive.SetDword("Select", "Current", 1);
        hive.SetString("ControlSet001\\Control", "SystemStartOptions", "");
        hive.Key("ControlSet001\\Services");
        hive.Key("ControlSet002\\Services");
      });
  MakeHive(
      HivePath(strMachine, "SOFTWARE"), "$$$PROTO.HIV", [](CHiveMaker& hive) {
        hive.SetString(
            "Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\"
            "S-1-5-21-7",
            "ProfileImagePath", "%SystemRoot%\\Profiles\\Administrator", 2);
      });
  MakeHive(HivePath(strMachine, "DEFAULT"), "$$$PROTO.HIV");
  MakeHive(UserHivePath(strMachine), "$$$PROTO.HIV");
}
