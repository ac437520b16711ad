#include "HiveRegistry.h"

#include <unistd.h>

#include "HiveTree.h"
#include "platform/host/regfile/RegStoreLoader.h"
#include "platform/host/store/DurableFile.h"

const char CHiveRegistry::kJournalName[] = "quorrel.journal";
const char CHiveRegistry::kLockName[] = "quorrel.lock";
const char CHiveRegistry::kUsersName[] = "quorrel.users";

CHiveRegistry::CHiveRegistry()
    : CJournaledRegistry({kJournalName, kLockName, kUsersName}) {}

CHiveRegistry::~CHiveRegistry() {
  std::string strError;
  Close(&strError);
}

LONG CHiveRegistry::CheckFiles(std::string* pstrError) {
  m_checked.clear();
  for (const std::string* pPath : {&m_machine.strSystem, &m_machine.strSoftware,
                                   &m_machine.strDefault, &m_machine.strUser}) {
    if (pPath->empty() || (m_bSystemOnly && pPath != &m_machine.strSystem))
      continue;
    CChecked checked;
    checked.strPath = *pPath;
    // Before the read: a file rewritten during it is read again at the load.
    checked.stamp = StampOf(*pPath);
    checked.file.reset(new CHiveFile);
    const LONG lResult =
        checked.file->Open(*pPath, MirrorOf(*pPath), pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
    // A recovered hive also stands on the file it came from, not stamped
    // here: the load reads it again (a rare case).
    if (checked.file->RecoveredFrom().empty())
      m_checked.push_back(std::move(checked));
  }
  return ERROR_SUCCESS;
}

std::unique_ptr<CHiveFile> CHiveRegistry::TakeChecked(
    const std::string& strPath) {
  for (CChecked& checked : m_checked)
    if (checked.file && checked.strPath == strPath &&
        StampOf(strPath) == checked.stamp)
      return std::move(checked.file);
  return nullptr;
}

std::string CHiveRegistry::MirrorOf(const std::string& strPath) const {
  return strPath == m_machine.strSystem ? m_machine.strSystemMirror
                                        : std::string();
}

LONG CHiveRegistry::Open(const CHiveMachine& machine, std::string* pstrError) {
  if (m_mode != EMode::kClosed) {
    *pstrError = "registry store already open";
    return ERROR_ALREADY_EXISTS;
  }
  m_machine = machine;
  m_strDir = machine.strConfigDir;
  // Every hive is checked before the store creates or writes any file.
  LONG lResult = CheckFiles(pstrError);
  if (lResult == ERROR_SUCCESS)
    lResult = OpenStore(CStoreLock::DefaultTimeout(), pstrError);
  if (lResult != ERROR_SUCCESS) m_mounts.clear();
  m_checked.clear();
  return lResult;
}

void CHiveRegistry::AddMount(const std::string& strPath,
                             std::shared_ptr<CRegKeyNode> key) {
  CMount mount;
  mount.strPath = strPath;
  mount.key = std::move(key);
  m_mounts.push_back(std::move(mount));
}

LONG CHiveRegistry::LoadFiles(std::string* pstrError) {
  m_mode = EMode::kLoading;
  m_mounts.clear();
  const auto machine = RootNode(HKEY_LOCAL_MACHINE);
  m_recovered.clear();
  AddMount(m_machine.strSystem, machine->AddSubkey("SYSTEM"));
  m_mounts.back().strMirror = m_machine.strSystemMirror;
  if (!m_bSystemOnly) {
    AddMount(m_machine.strSoftware, machine->AddSubkey("SOFTWARE"));
    AddMount(m_machine.strDefault, RootNode(HKEY_USERS)->AddSubkey(".DEFAULT"));
    if (!m_machine.strUser.empty())
      AddMount(m_machine.strUser, RootNode(HKEY_CURRENT_USER));
  }
  // Windows builds HARDWARE at each boot; offline it is empty.
  machine->AddSubkey("HARDWARE")->bVolatile = true;
  LONG lResult = ERROR_SUCCESS;
  for (CMount& mount : m_mounts) {
    lResult = LoadHive(mount, pstrError);
    if (lResult != ERROR_SUCCESS) break;
  }
  // The check's hives serve the first load alone: a later one (another
  // program rewrote the hives) reads the files as they are then.
  m_checked.clear();
  if (lResult != ERROR_SUCCESS) return lResult;
  LinkCurrentControlSet(machine);
  LinkProfileKey();
  return ERROR_SUCCESS;
}

LONG CHiveRegistry::LoadHive(CMount& mount, std::string* pstrError) {
  // A commit a crash cut short leaves its temporary file; the hive itself
  // is the old one, whole.
  unlink(CHiveFile::TempPathOf(mount.strPath).c_str());
  mount.file = TakeChecked(mount.strPath);
  if (!mount.file) {
    mount.file.reset(new CHiveFile);
    const LONG lResult =
        mount.file->Open(mount.strPath, mount.strMirror, pstrError);
    if (lResult != ERROR_SUCCESS) return lResult;
  }
  if (!mount.file->RecoveredFrom().empty())
    m_recovered.push_back(mount.strPath +
                          ": its last save did not finish; "
                          "recovered from " +
                          mount.file->RecoveredFrom());
  std::string strWhy;
  CHive& hive = mount.file->Hive();
  if (!LoadHiveTree(hive, hive.Root(), *mount.key, &strWhy)) {
    *pstrError = mount.strPath + ": " + strWhy;
    return ERROR_BADDB;
  }
  return ERROR_SUCCESS;
}

void CHiveRegistry::LinkProfileKey() {
  if (m_machine.strUser.empty()) return;
  auto key = RootNode(HKEY_LOCAL_MACHINE);
  for (const char* pszName : {"SOFTWARE", "Microsoft", "Windows NT",
                              "CurrentVersion", "ProfileList"}) {
    key = key->FindSubkey(pszName);
    if (!key) return;
  }
  for (const auto& profile : key->Subkeys()) {
    const CRegValue* pPath = profile->FindValue("ProfileImagePath");
    if (pPath == nullptr) continue;
    std::string strPath(pPath->data.begin(), pPath->data.end());
    strPath = strPath.substr(0, strPath.find('\0'));
    const std::string strFolder = strPath.substr(strPath.rfind('\\') + 1);
    if (!EqualRegNames(strFolder, m_machine.strUserFolder)) continue;
    auto link = RootNode(HKEY_USERS)->AddSubkey(profile->strName);
    link->bVolatile = true;
    link->linkTarget = RootNode(HKEY_CURRENT_USER);
    return;
  }
}

std::vector<std::string> CHiveRegistry::FilePaths() const {
  std::vector<std::string> paths;
  for (const CMount& mount : m_mounts) paths.push_back(mount.strPath);
  return paths;
}

void CHiveRegistry::ForgetFiles() {
  m_dirty.clear();
  for (CMount& mount : m_mounts) mount.file.reset();
}
