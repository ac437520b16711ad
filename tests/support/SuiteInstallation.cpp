#include "SuiteInstallation.h"

#include <cstdio>
#include <map>

#include "TempDirectory.h"

const char CSuiteInstallation::kProgramFolder[] =
    "C:\\Program Files\\Corvane\\Tessarine";

namespace {
enum class EFate { kGone, kStays, kBecomes };

// One value (or, with no value, a key that must exist) of a registry file.
struct CRegLine {
  std::string strRoot;
  std::string strKey;
  std::string strValue;  // a value line as .reg writes it; empty: key only
  EFate fate;
  std::string strAfter;  // kBecomes: the value line afterwards
};

const char kCs1[] = "SYSTEM\\ControlSet001";

std::string Hex(const std::vector<unsigned>& words) {
  std::string strHex = "hex:";
  for (size_t i = 0; i < words.size(); ++i)
    for (int nByte = 0; nByte < 4; ++nByte) {
      char sz[4];
      std::snprintf(sz, sizeof sz, "%02x", (words[i] >> (8 * nByte)) & 0xFF);
      strHex += (i || nByte ? "," : "") + std::string(sz);
    }
  return strHex;
}

// A count and the tags, as the group order list stores them.
std::string TagList(const std::vector<unsigned>& tags) {
  std::vector<unsigned> words = {static_cast<unsigned>(tags.size())};
  words.insert(words.end(), tags.begin(), tags.end());
  return Hex(words);
}

std::string ExpandSz(const std::string& strText) {
  std::string strHex = "hex(2):";
  char sz[4];
  for (char ch : strText) {
    std::snprintf(sz, sizeof sz, "%02x", static_cast<unsigned char>(ch));
    strHex += std::string(sz) + ",";
  }
  return strHex + "00";
}

struct CSuiteService {
  const char* pszName;
  const char* pszGroup;  // "" none
  int nTag;              // -1 none
};
// Tags 1-9 for the core drivers; two of them load in other groups.
const CSuiteService kSuiteServices[] = {{"Velcor", "System Bus Extender", 1},
                                        {"Brannic", "System Bus Extender", 2},
                                        {"Kestan", "System Bus Extender", 3},
                                        {"Dovrel", "Primary disk", 4},
                                        {"Pellin", "SCSI miniport", 5},
                                        {"Mirrow", "System Bus Extender", 6},
                                        {"Quesk", "System Bus Extender", 7},
                                        {"Tallum", "System Bus Extender", 8},
                                        {"Orvik", "System Bus Extender", 9},
                                        {"Trevant", "", -1},
                                        {"Pellix", "", -1},
                                        {"Gorvan", "", -1},
                                        {"Yurrin", "", -1},
                                        {"Fennet", "", -1},
                                        {"Sidrel", "", -1}};

void AddSuiteService(const CSuiteService& s, std::vector<CRegLine>* pLines) {
  const std::string strKey = std::string(kCs1) + "\\Services\\" + s.pszName;
  const bool bManager = std::string(s.pszName) == "Trevant";
  auto add = [&](const std::string& strSub, const std::string& strValue) {
    pLines->push_back(
        {"HKEY_LOCAL_MACHINE", strKey + strSub, strValue, EFate::kGone, ""});
  };
  add("", bManager ? "\"Type\"=dword:00000010" : "\"Type\"=dword:00000001");
  add("", "\"Start\"=dword:00000000");
  add("", std::string("\"ImagePath\"=\"System32\\\\drivers\\\\") + s.pszName +
              (bManager ? ".exe\"" : ".sys\""));
  if (*s.pszGroup) add("", std::string("\"Group\"=\"") + s.pszGroup + "\"");
  if (s.nTag >= 0) {
    char sz[32];
    std::snprintf(sz, sizeof sz, "\"Tag\"=dword:%08x", s.nTag);
    add("", sz);
  }
  add("\\Parameters", "\"Level\"=dword:00000002");
  add("\\Parameters\\Slots\\0", "\"Window\"=hex:00,d0,0c,00");
}

void AddProfileCopies(const std::string& strProfile, bool bAliasSkipped,
                      std::vector<CRegLine>* pLines) {
  for (const CSuiteService& s : kSuiteServices) {
    const std::string strName = s.pszName;
    const bool bNotLookedFor = strName == "Tallum" || strName == "Orvik";
    pLines->push_back(
        {"HKEY_LOCAL_MACHINE",
         std::string(kCs1) + "\\Hardware Profiles\\" + strProfile +
             "\\System\\CurrentControlSet\\Services\\" + strName,
         "\"Start\"=dword:00000003",
         bAliasSkipped || bNotLookedFor ? EFate::kStays : EFate::kGone, ""});
  }
  pLines->push_back({"HKEY_LOCAL_MACHINE",
                     std::string(kCs1) + "\\Hardware Profiles\\" + strProfile +
                         "\\System\\CurrentControlSet\\Services\\Pcmcia",
                     "\"Start\"=dword:00000000", EFate::kStays, ""});
}

std::vector<CRegLine> RegistryLines(const std::string& strAlias) {
  std::vector<CRegLine> lines;
  const std::string kMachine = "HKEY_LOCAL_MACHINE";
  const std::string strServices = std::string(kCs1) + "\\Services\\";
  auto stays = [&](const std::string& strRoot, const std::string& strKey,
                   const std::string& strValue) {
    lines.push_back({strRoot, strKey, strValue, EFate::kStays, ""});
  };
  auto gone = [&](const std::string& strRoot, const std::string& strKey,
                  const std::string& strValue) {
    lines.push_back({strRoot, strKey, strValue, EFate::kGone, ""});
  };
  auto becomes = [&](const std::string& strRoot, const std::string& strKey,
                     const std::string& strValue, const std::string& strAfter) {
    lines.push_back({strRoot, strKey, strValue, EFate::kBecomes, strAfter});
  };

  stays(kMachine, "SYSTEM\\Select", "\"Current\"=dword:00000001");
  stays(kMachine, "SYSTEM\\Select", "\"Default\"=dword:00000001");
  for (const CSuiteService& s : kSuiteServices) AddSuiteService(s, &lines);
  // Windows' own services, two of which the suite had taken over.
  becomes(kMachine, strServices + "Pcmcia",
          "\"ImagePath\"=" + ExpandSz("System32\\DRIVERS\\Wembic.sys"),
          "\"ImagePath\"=\"System32\\\\DRIVERS\\\\Pcmcia.sys\"");
  stays(kMachine, strServices + "Pcmcia", "\"Group\"=\"System Bus Extender\"");
  stays(kMachine, strServices + "Pcmcia", "\"Tag\"=dword:00000014");
  becomes(kMachine, strServices + "Cdrom",
          "\"ImagePath\"=\"System32\\\\DRIVERS\\\\Zandre.sys\"",
          "\"ImagePath\"=\"System32\\\\DRIVERS\\\\Cdrom.sys\"");
  becomes(kMachine, strServices + "Cdrom", "\"Start\"=dword:00000003",
          "\"Start\"=dword:00000004");
  stays(kMachine, strServices + "Isapnp", "\"Group\"=\"System Bus Extender\"");
  stays(kMachine, strServices + "Isapnp", "\"Tag\"=dword:00000015");
  // Another maker's driver whose group is spelt in lower case: a member of
  // the group all the same, so its tag stays.
  stays(kMachine, strServices + "Pcic", "\"Group\"=\"system bus extender\"");
  stays(kMachine, strServices + "Pcic", "\"Tag\"=dword:00000016");
  stays(kMachine, strServices + "atdisk",
        "\"ImagePath\"=" +
            ExpandSz("%SystemRoot%\\System32\\drivers\\atdisk.sys"));
  stays(kMachine, strServices + "atdisk", "\"Blob\"=hex:de,ad,be,ef,00,01");
  // The group order list: the suite's tags and the orphan 30 leave their
  // groups; "Base" lists numbers the suite's tags share, in another group.
  const std::string strOrder = std::string(kCs1) + "\\Control\\GroupOrderList";
  becomes(kMachine, strOrder,
          "\"System Bus Extender\"=" +
              TagList({21, 1, 2, 30, 3, 22, 20, 6, 7, 8, 9}),
          "\"System Bus Extender\"=" + TagList({21, 22, 20}));
  becomes(kMachine, strOrder, "\"Primary disk\"=" + TagList({4, 40}),
          "\"Primary disk\"=" + TagList({40}));
  becomes(kMachine, strOrder, "\"SCSI miniport\"=" + TagList({5, 50}),
          "\"SCSI miniport\"=" + TagList({50}));
  stays(kMachine, strOrder, "\"Base\"=" + TagList({1, 2, 3}));
  // Hardware profiles: a numbered one and the alias.
  AddProfileCopies("0001", false, &lines);
  AddProfileCopies(strAlias, strAlias == "Current", &lines);
  // Another control set is not the running one.
  stays(kMachine, "SYSTEM\\ControlSet002\\Services\\Velcor",
        "\"Tag\"=dword:00000001");
  stays(kMachine, "SYSTEM\\ControlSet002\\Control\\GroupOrderList",
        "\"System Bus Extender\"=" + TagList({1, 20}));
  // Start-up entries and settings.
  const std::string strRun =
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  gone(kMachine, strRun,
       "\"Glimmet\"=\"C:\\\\Program Files\\\\Corvane\\\\Tessarine\\\\"
       "Glimmet.exe\"");
  stays(kMachine, strRun, "\"SystemTray\"=\"SysTray.Exe\"");
  const std::string strWinlogon =
      "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
  becomes(
      kMachine, strWinlogon,
      "\"Userinit\"=\"C:\\\\WINNT\\\\system32\\\\userinit.exe,C:\\\\Program "
      "Files\\\\Corvane\\\\Tessarine\\\\Mardel.exe,\"",
      "\"Userinit\"=\"C:\\\\WINNT\\\\system32\\\\userinit.exe,\"");
  stays(kMachine, strWinlogon, "\"Shell\"=\"Explorer.exe\"");
  stays(kMachine, "SOFTWARE\\Corvane", "");
  gone(kMachine, "SOFTWARE\\Corvane\\Tessarine for Windows NT",
       "\"Version\"=\"4.1\"");
  gone(kMachine, "SOFTWARE\\Corvane\\Tessarine for Windows NT\\Cards\\Slot0",
       "\"Last\"=dword:00000002");
  stays(kMachine, "SOFTWARE\\Corvane\\Other Product", "\"Version\"=\"1.0\"");
  const std::string strUninstall =
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  gone(kMachine, strUninstall + "\\Tessarine for Windows NT",
       "\"UninstallString\"=\"C:\\\\WINNT\\\\IsUninst.exe\"");
  stays(kMachine, strUninstall + "\\Other Product",
        "\"UninstallString\"=\"other.exe\"");

  const std::string kUser = "HKEY_CURRENT_USER";
  stays(kUser, "Software\\Corvane", "");
  gone(kUser, "Software\\Corvane\\Tessarine for Windows NT\\Options",
       "\"Notify\"=dword:00000001");
  stays(kUser, "Software\\Other", "\"Keep\"=\"yes\"");

  const std::string kUsers = "HKEY_USERS";
  stays(kUsers, ".DEFAULT\\Software\\Corvane", "");
  for (const char* pszKey :
       {"Tessarine for Windows NT", "ATA\\Card1", "Sound", "COM\\Port2"})
    gone(kUsers, std::string(".DEFAULT\\Software\\Corvane\\") + pszKey,
         "\"Setting\"=dword:00000001");
  stays(kUsers, ".DEFAULT\\Software\\Corvane\\Modem", "\"Setting\"=dword:2");
  stays(kUsers, "S-1-5-21-1000\\Software\\Corvane\\Tessarine for Windows NT",
        "\"Notify\"=dword:00000001");
  stays(kUsers, "S-1-5-21-1000\\Software\\Corvane\\ATA",
        "\"Setting\"=dword:00000001");
  return lines;
}

struct CFileEntry {
  std::string strPath;  // below the machine directory, '/'-separated
  std::string strContent;
  EFate fate;
  std::string strAfter;
};

const char kDrivers[] = "WINNT/system32/drivers/";
const char kProgram[] = "Program Files/Corvane/Tessarine/";
const char* const kProgramsFolders[] = {
    "WINNT/Profiles/All Users/Start Menu/Programs/",
    "WINNT/Profiles/Administrator/Start Menu/Programs/"};

std::vector<CFileEntry> FileEntries(bool bProgramFolder) {
  std::vector<CFileEntry> files;
  for (const char* pszDriver :
       {"Pellin.sys", "Pellix.sys", "Gorvan.sys", "Kestan.sys", "Velcor.sys",
        "Quesk.sys", "Yurrin.sys", "Wembic.sys", "Zandre.sys", "Fennet.sys",
        "Dovrel.sys", "Mirrow.sys", "Sidrel.sys", "Brannic.sys", "Tallum.sys",
        "Orvik.sys", "Harnow.sys", "Lorrin.dll", "Trevant.exe"})
    files.push_back(
        {kDrivers + std::string(pszDriver), pszDriver, EFate::kGone, ""});
  files.push_back({kDrivers + std::string("Pcmcia.sys"), "suite's Pcmcia",
                   bProgramFolder ? EFate::kBecomes : EFate::kStays,
                   "Windows' own Pcmcia"});
  for (const char* pszKeep : {"Cdrom.sys", "atdisk.sys", "Pellin.sys.bak"})
    files.push_back(
        {kDrivers + std::string(pszKeep), "windows", EFate::kStays, ""});
  files.push_back({"WINNT/_detmp.1", "", EFate::kGone, ""});
  files.push_back({"WINNT/_DETMP.LOG", "", EFate::kGone, ""});
  files.push_back({"WINNT/win.ini", "[windows]\r\n", EFate::kStays, ""});
  files.push_back({"WINNT/system32/_detmp.2", "not in the Windows folder",
                   EFate::kStays, ""});
  files.push_back({"TEMP/_istmp12.dir/setup.ins", "", EFate::kGone, ""});
  files.push_back({"TEMP/_istmp12.dir/sub/_setup.dll", "", EFate::kGone, ""});
  files.push_back({"TEMP/_ISTMP0.DIR/x", "", EFate::kGone, ""});
  files.push_back({"TEMP/_istmp3.txt", "a file", EFate::kStays, ""});
  files.push_back({"TEMP/other.tmp", "other", EFate::kStays, ""});
  const EFate program = bProgramFolder ? EFate::kGone : EFate::kStays;
  files.push_back({kProgram + std::string("Pcmcia.sys"), "Windows' own Pcmcia",
                   program, ""});
  for (const char* pszFile : {"Glimmet.exe", "Mardel.exe", "Tessarine.hlp"})
    files.push_back({kProgram + std::string(pszFile), pszFile, program, ""});
  files.push_back({"Program Files/Other/app.exe", "app", EFate::kStays, ""});
  for (const char* pszPrograms : kProgramsFolders) {
    const std::string strPrograms = pszPrograms;
    files.push_back(
        {strPrograms + "Tessarine/Tessarine Help.lnk", "", EFate::kGone, ""});
    files.push_back(
        {strPrograms + "Tessarine/Tools/Glimmet.lnk", "", EFate::kGone, ""});
    files.push_back(
        {strPrograms + "Tessarine Uninstall.lnk", "", EFate::kGone, ""});
    files.push_back({strPrograms + "Accessories/Notepad.lnk", "notepad",
                     EFate::kStays, ""});
    files.push_back(
        {strPrograms + "My Tessarine Notes.lnk", "notes", EFate::kStays, ""});
  }
  return files;
}

void WriteFiles(const std::string& strMachine, bool bAfter,
                bool bProgramFolder) {
  for (const CFileEntry& file : FileEntries(bProgramFolder)) {
    if (bAfter && file.fate == EFate::kGone) continue;
    WriteHostFile(strMachine + "/" + file.strPath,
                  bAfter && file.fate == EFate::kBecomes ? file.strAfter
                                                         : file.strContent);
  }
  if (!bAfter) return;
  // Folders that stay when their content goes.
  for (const char* pszFolder : {"Program Files/Corvane", "TEMP",
                                kProgramsFolders[0], kProgramsFolders[1]})
    MakeHostDirectory(strMachine + "/" + pszFolder);
}
}  // namespace

std::string CSuiteInstallation::RegistryFile(const std::string& strRoot,
                                             bool bAfter) const {
  std::string strText = "REGEDIT4\r\n";
  std::string strSection;
  for (const CRegLine& line : RegistryLines(strProfileAlias)) {
    if (line.strRoot != strRoot) continue;
    if (bAfter && line.fate == EFate::kGone) continue;
    const std::string strHeader = "[" + strRoot + "\\" + line.strKey + "]";
    if (strHeader != strSection) {
      strText += "\r\n" + strHeader + "\r\n";
      strSection = strHeader;
    }
    if (line.strValue.empty()) continue;
    strText += (bAfter && line.fate == EFate::kBecomes ? line.strAfter
                                                       : line.strValue) +
               "\r\n";
  }
  return strText;
}

void CSuiteInstallation::SeedBefore(const std::string& strMachine) const {
  for (const char* pszRoot :
       {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_USERS"})
    WriteHostFile(strMachine + "/registry/" + pszRoot + ".reg",
                  RegistryFile(pszRoot, false));
  WriteFiles(strMachine, false, true);
}

void CSuiteInstallation::SeedExpectedAfter(const std::string& strMachine,
                                           bool bProgramFolder) const {
  for (const char* pszRoot :
       {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_USERS"})
    WriteHostFile(strMachine + "/registry/" + pszRoot + ".reg",
                  RegistryFile(pszRoot, true));
  WriteFiles(strMachine, true, bProgramFolder);
}

std::vector<std::string> MachineFiles(const std::string& strMachine) {
  std::vector<std::string> listing;
  for (const std::string& strEntry : HostTreeListing(strMachine)) {
    const std::string strTop = strEntry.substr(0, strEntry.find_first_of("/="));
    if (strTop == "registry" || strTop == "run" || strTop == "services.state" ||
        strTop == "quorrel-debug.log")
      continue;
    listing.push_back(strEntry);
  }
  return listing;
}
