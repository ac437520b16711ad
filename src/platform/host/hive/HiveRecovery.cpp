#include "HiveRecovery.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "HiveBaseBlock.h"

namespace {
constexpr size_t kBase = 4096;
constexpr size_t kPage = 512;
// A hive is at most 2 GB; a larger file is read without room made first.
constexpr uint64_t kMaxReserve = uint64_t{1} << 31;

uint32_t Dword(const std::string& s, size_t nAt) {
  if (nAt + 4 > s.size()) return 0;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(&s[nAt]);
  return p[0] | (p[1] << 8) | (p[2] << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

void PutDword(std::string* p, size_t nAt, uint32_t dw) {
  for (int i = 0; i < 4; ++i) (*p)[nAt + i] = static_cast<char>(dw >> (8 * i));
}

bool ChecksumHolds(const std::string& s) {
  if (s.size() < kPage) return false;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(s.data());
  const uint32_t dwStored = Dword(s, 508);
  // Hives written by older tools store the plain XOR, 0 included.
  uint32_t dwPlain = 0;
  for (size_t i = 0; i < 508; i += 4) dwPlain ^= Dword(s, i);
  return dwStored == HiveBaseBlockChecksum(p) || dwStored == dwPlain;
}

bool IsRegf(const std::string& s) {
  return s.size() >= kPage && s.compare(0, 4, "regf") == 0;
}

bool IsClean(const std::string& s) {
  return IsRegf(s) && Dword(s, 4) == Dword(s, 8) && ChecksumHolds(s);
}

std::string DirtyReason(const std::string& primary) {
  if (Dword(primary, 4) == Dword(primary, 8))
    return "the base block's checksum is wrong";
  return "the hive was not saved completely (sequence numbers " +
         std::to_string(Dword(primary, 4)) + " and " +
         std::to_string(Dword(primary, 8)) + " differ)";
}

// SYSTEM.ALT is the hive as its last finished write left it when it is
// clean and carries that write's sequence number, the primary's second.
bool FromMirror(const std::string& primary, const std::string& mirror,
                CRecoveredHive* pHive, std::string* pstrWhy) {
  if (mirror.empty()) {
    *pstrWhy = DirtyReason(primary) + ", and there is no SYSTEM.ALT";
    return false;
  }
  if (!IsClean(mirror) || !ChecksumHolds(primary) ||
      Dword(mirror, 8) != Dword(primary, 8) || mirror.size() < 2 * kBase) {
    *pstrWhy = DirtyReason(primary) +
               ", and SYSTEM.ALT is not the copy of its last complete save";
    return false;
  }
  pHive->image = mirror;
  pHive->strRecovered = "SYSTEM.ALT";
  return true;
}

// The time that ties a log to its hive: the base block's, or when that is
// damaged, the copy in the first bin's header.
std::string TieTime(const std::string& primary) {
  if (ChecksumHolds(primary)) return primary.substr(12, 8);
  return primary.size() >= kBase + 28 ? primary.substr(kBase + 20, 8)
                                      : std::string();
}

bool LogIsWhole(const std::string& primary, const std::string& log,
                std::string* pstrWhy) {
  if (log.empty()) {
    *pstrWhy = DirtyReason(primary) + ", and it has no log to recover it from";
    return false;
  }
  if (log.size() < 2 * kPage || !IsRegf(log) || Dword(log, 28) != 1 ||
      Dword(log, 4) != Dword(log, 8) || !ChecksumHolds(log) ||
      log.compare(kPage, 4, "DIRT") != 0) {
    *pstrWhy = DirtyReason(primary) + ", and its log is not whole";
    return false;
  }
  if (log.compare(12, 8, TieTime(primary)) != 0) {
    *pstrWhy = DirtyReason(primary) + ", and its log is of another save";
    return false;
  }
  return true;
}

// Bins must tile what the log says the hive holds, each with its offset.
bool BinsHold(const std::string& image, size_t cbBins) {
  for (size_t nBin = 0; nBin < cbBins;) {
    const size_t cbBin = Dword(image, kBase + nBin + 8);
    if (image.compare(kBase + nBin, 4, "hbin") != 0 ||
        Dword(image, kBase + nBin + 4) != nBin || cbBin == 0 ||
        cbBin % kBase != 0 || nBin + cbBin > cbBins)
      return false;
    nBin += cbBin;
  }
  return true;
}

bool FromLog(const std::string& primary, const std::string& log,
             CRecoveredHive* pHive, std::string* pstrWhy) {
  if (!LogIsWhole(primary, log, pstrWhy)) return false;
  const size_t cbBins = Dword(log, 40);
  const size_t cPages = cbBins / kPage;
  const size_t cbVector = 4 + (cPages + 7) / 8;
  size_t nFrom = kPage + (cbVector + kPage - 1) / kPage * kPage;
  std::string image = primary;
  image.resize(kBase + cbBins, '\0');
  for (size_t i = 0; i < cPages; ++i) {
    if (!(static_cast<unsigned char>(log[kPage + 4 + i / 8]) & (1u << (i % 8))))
      continue;
    if (nFrom + kPage > log.size()) {
      *pstrWhy = DirtyReason(primary) + ", and its log is not whole";
      return false;
    }
    image.replace(kBase + i * kPage, kPage, log, nFrom, kPage);
    nFrom += kPage;
  }
  if (cbBins == 0 || cbBins % kBase != 0 || !BinsHold(image, cbBins)) {
    *pstrWhy = DirtyReason(primary) + ", and its log does not fit the hive";
    return false;
  }
  // The base block as the finished write would have left it.
  image.replace(0, kPage, log, 0, kPage);
  PutDword(&image, 28, 0);
  PutDword(&image, 508, 0);
  PutDword(&image, 508,
           HiveBaseBlockChecksum(
               reinterpret_cast<const unsigned char*>(image.data())));
  pHive->image = std::move(image);
  pHive->strRecovered = "LOG";
  return true;
}

bool ReadWhole(const std::string& strPath, std::string* pBytes) {
  std::ifstream in(strPath, std::ios::binary);
  if (!in) return false;
  // Room for the whole file at once: a hive of megabytes is not copied
  // over and over as the string grows. A file that is not regular is read
  // to its end all the same.
  struct stat st;
  pBytes->clear();
  if (stat(strPath.c_str(), &st) == 0 && S_ISREG(st.st_mode))
    pBytes->reserve(std::min<uint64_t>(st.st_size, kMaxReserve));
  char chunk[65536];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
    pBytes->append(chunk, static_cast<size_t>(in.gcount()));
  return !in.bad();
}

// <hive>.LOG beside the hive, its name's case as the folder has it.
std::string LogPathOf(const std::string& strPath) {
  const size_t nSlash = strPath.rfind('/');
  const std::string strDir =
      nSlash == std::string::npos ? "." : strPath.substr(0, nSlash);
  const std::string strName = strPath.substr(nSlash + 1) + ".LOG";
  std::string strFound;
  if (DIR* pDir = opendir(strDir.c_str())) {
    while (const dirent* pEntry = readdir(pDir))
      if (strcasecmp(pEntry->d_name, strName.c_str()) == 0)
        strFound = strDir + "/" + pEntry->d_name;
    closedir(pDir);
  }
  return strFound;
}

const char kWhatToDo[] =
    ". Start Windows NT on this machine once so that it repairs the hive, or "
    "copy the hive back from a backup (the repair disk or WINNT\\repair "
    "that RDISK made), then run this again";
}  // namespace

bool RecoverHiveImage(CHiveFiles files, CRecoveredHive* pHive,
                      std::string* pstrWhy) {
  pHive->strRecovered.clear();
  if (!IsRegf(files.primary)) {
    *pstrWhy = "not a registry hive";
    return false;
  }
  if (IsClean(files.primary)) {
    pHive->image = std::move(files.primary);
    return true;
  }
  if (files.bHasMirror)
    return FromMirror(files.primary, files.mirror, pHive, pstrWhy);
  return FromLog(files.primary, files.log, pHive, pstrWhy);
}

LONG ReadRecoveredHive(const std::string& strPath, const std::string& strMirror,
                       CRecoveredHive* pHive, std::string* pstrError) {
  CHiveFiles files;
  if (!ReadWhole(strPath, &files.primary)) {
    *pstrError = strPath + ": cannot open: " + std::strerror(errno);
    return ERROR_CANTOPEN;
  }
  // The other files are read only for a hive that needs them.
  const bool bDirty = IsRegf(files.primary) && !IsClean(files.primary);
  files.bHasMirror = !strMirror.empty();
  if (bDirty && files.bHasMirror) ReadWhole(strMirror, &files.mirror);
  const std::string strLog =
      bDirty && !files.bHasMirror ? LogPathOf(strPath) : std::string();
  if (!strLog.empty()) ReadWhole(strLog, &files.log);
  std::string strWhy;
  if (RecoverHiveImage(files, pHive, &strWhy)) {
    const std::string& strSource = files.bHasMirror ? strMirror : strLog;
    if (!pHive->strRecovered.empty())
      pHive->strRecovered = strSource.substr(strSource.rfind('/') + 1);
    return ERROR_SUCCESS;
  }
  *pstrError = strPath + ": " + strWhy +
               (IsRegf(files.primary) ? std::string(kWhatToDo) : std::string());
  return ERROR_BADDB;
}
