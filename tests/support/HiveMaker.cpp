#include "HiveMaker.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "ProcessRunner.h"
#include "platform/host/regfile/RegCodePage.h"
#include "HiveType.h"

namespace {
constexpr size_t kBinBytes = 4096;

void PutDword(std::string& s, size_t nAt, uint32_t n) {
  for (int i = 0; i < 4; ++i) s[nAt + i] = static_cast<char>(n >> (8 * i));
}
void PutWord(std::string& s, size_t nAt, uint16_t n) {
  s[nAt] = static_cast<char>(n);
  s[nAt + 1] = static_cast<char>(n >> 8);
}

// An allocated cell: negative size, then the payload, padded to 8 bytes.
size_t AddCell(std::string& bin, size_t* pnAt, const std::string& payload) {
  const size_t nCell = *pnAt;
  const size_t cbCell = (4 + payload.size() + 7) / 8 * 8;
  PutDword(bin, nCell, static_cast<uint32_t>(-static_cast<int32_t>(cbCell)));
  bin.replace(nCell + 4, payload.size(), payload);
  *pnAt += cbCell;
  return nCell;
}

// Self-relative descriptor: owner and group Administrators, no DACL.
std::string Descriptor() {
  static const unsigned char kAdmins[] = {1,  2, 0, 0, 0,  0, 0, 5,
                                          32, 0, 0, 0, 32, 2, 0, 0};
  std::string sd(20, '\0');
  sd[0] = 1;
  PutWord(sd, 2, 0x8004);  // self-relative, DACL present (null: all access)
  PutDword(sd, 4, 20);
  PutDword(sd, 8, 36);
  sd.append(reinterpret_cast<const char*>(kAdmins), sizeof kAdmins);
  sd.append(reinterpret_cast<const char*>(kAdmins), sizeof kAdmins);
  return sd;
}

std::string RootKey(const std::string& strRoot, uint32_t nSk, uint32_t nClass,
                    size_t cbClass) {
  std::string nk(0x4C, '\0');
  nk.replace(0, 2, "nk");
  PutWord(nk, 2, 0x2C);  // hive entry, no delete, compressed name
  PutDword(nk, 4, 0x5D1C2A00);
  PutDword(nk, 8, 0x01C4B0F3);
  PutDword(nk, 0x1C, 0xFFFFFFFF);
  PutDword(nk, 0x20, 0xFFFFFFFF);
  PutDword(nk, 0x28, 0xFFFFFFFF);
  PutDword(nk, 0x2C, nSk);
  PutDword(nk, 0x30, nClass);
  PutWord(nk, 0x48, static_cast<uint16_t>(strRoot.size()));
  PutWord(nk, 0x4A, static_cast<uint16_t>(cbClass));
  return nk + strRoot;
}

std::string SecurityCell(uint32_t nSelf) {
  const std::string sd = Descriptor();
  std::string sk(20, '\0');
  sk.replace(0, 2, "sk");
  PutDword(sk, 4, nSelf);
  PutDword(sk, 8, nSelf);
  PutDword(sk, 12, 1);
  PutDword(sk, 16, static_cast<uint32_t>(sd.size()));
  return sk + sd;
}

std::string BaseBlock() {
  std::string base(kBinBytes, '\0');
  base.replace(0, 4, "regf");
  PutDword(base, 4, 1);
  PutDword(base, 8, 1);
  PutDword(base, 0x14, 1);
  PutDword(base, 0x18, 3);
  PutDword(base, 0x20, 1);
  PutDword(base, 0x24, 0x20);
  PutDword(base, 0x28, kBinBytes);
  PutDword(base, 0x2C, 1);
  uint32_t nSum = 0;
  for (size_t i = 0; i < 127; ++i) {
    uint32_t n = 0;
    std::memcpy(&n, base.data() + 4 * i, 4);
    nSum ^= n;
  }
  PutDword(base, 508, nSum);
  return base;
}

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

std::string CodePageToUtf8(const std::string& strText) {
  std::string strOut;
  for (unsigned char c : strText) {
    const uint16_t nCode = CodePageToUtf16(c);
    if (nCode < 0x80) {
      strOut += static_cast<char>(nCode);
    } else if (nCode < 0x800) {
      strOut += static_cast<char>(0xC0 | (nCode >> 6));
      strOut += static_cast<char>(0x80 | (nCode & 0x3F));
    } else {
      strOut += static_cast<char>(0xE0 | (nCode >> 12));
      strOut += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
      strOut += static_cast<char>(0x80 | (nCode & 0x3F));
    }
  }
  return strOut;
}

std::string Utf16Sz(const std::string& strText) {
  std::string strOut;
  for (char c : strText) {
    strOut += c;
    strOut += '\0';
  }
  return strOut + std::string(2, '\0');
}

bool WriteEmptyHive(const std::string& strPath, const std::string& strRoot,
                    const std::string& strClass) {
  std::string bin(kBinBytes, '\0');
  bin.replace(0, 4, "hbin");
  PutDword(bin, 8, kBinBytes);
  size_t nAt = 0x20;
  const size_t cbNk = (4 + 0x4C + strRoot.size() + 7) / 8 * 8;
  const uint32_t nSk = static_cast<uint32_t>(nAt + cbNk);
  const std::string strClassBytes =
      Utf16Sz(strClass).substr(0, strClass.size() * 2);
  const std::string sk = SecurityCell(nSk);
  const uint32_t nClass =
      static_cast<uint32_t>(nSk + (4 + sk.size() + 7) / 8 * 8);
  AddCell(bin, &nAt, RootKey(strRoot, nSk, nClass, strClassBytes.size()));
  AddCell(bin, &nAt, sk);
  AddCell(bin, &nAt, strClassBytes);
  PutDword(bin, nAt, static_cast<uint32_t>(kBinBytes - nAt));  // free cell
  return WriteWholeFile(strPath, BaseBlock() + bin);
}

CHiveMaker::CHiveMaker(const std::string& strPath)
    : m_pHive(hivex_open(strPath.c_str(), HIVEX_OPEN_WRITE)) {}

CHiveMaker::~CHiveMaker() {
  if (m_pHive) hivex_close(m_pHive);
}

hive_node_h CHiveMaker::Key(const std::string& strPath) {
  hive_node_h hKey = hivex_root(m_pHive);
  std::istringstream in(strPath);
  for (std::string strName; std::getline(in, strName, '\\');) {
    if (strName.empty()) continue;
    hive_node_h hChild = hivex_node_get_child(m_pHive, hKey, strName.c_str());
    if (hChild == 0)
      hChild = hivex_node_add_child(m_pHive, hKey, strName.c_str());
    hKey = hChild;
  }
  return hKey;
}

bool CHiveMaker::Set(const std::string& strPath, const std::string& strName,
                     uint32_t dwType, const std::string& strRaw) {
  std::string strKey = strName, strData = strRaw;
  hive_set_value value;
  value.key = &strKey[0];
  ToHiveType(dwType, &value.t);
  value.len = strData.size();
  value.value = &strData[0];
  const hive_node_h hKey = Key(strPath);
  return hKey != 0 && hivex_node_set_value(m_pHive, hKey, &value, 0) == 0;
}

bool CHiveMaker::SetString(const std::string& strPath,
                           const std::string& strName,
                           const std::string& strText, uint32_t dwType) {
  return Set(strPath, strName, dwType, Utf16Sz(strText));
}

bool CHiveMaker::SetDword(const std::string& strPath,
                          const std::string& strName, uint32_t dwValue) {
  std::string strRaw(4, '\0');
  PutDword(strRaw, 0, dwValue);
  return Set(strPath, strName, 4, strRaw);
}

bool CHiveMaker::Commit() { return hivex_commit(m_pHive, nullptr, 0) == 0; }

bool MakeHive(const std::string& strPath, const std::string& strRoot,
              void (*fill)(CHiveMaker&)) {
  if (!WriteEmptyHive(strPath, strRoot)) return false;
  CHiveMaker maker(strPath);
  if (!maker.IsOpen()) return false;
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
