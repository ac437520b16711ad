// Where an NT installation's hive files lie below the machine directory:
// WINNT\system32\config\{SYSTEM,SOFTWARE,DEFAULT} and the user's
// WINNT\Profiles\<user>\NTUSER.DAT. Names are matched without case, as a
// mounted NTFS or FAT partition holds them in whatever case Windows wrote.
#pragma once

#include <string>

struct CHiveMachine {
  std::string strConfigDir;  // the folder holding the hives
  std::string strSystem;
  std::string strSystemMirror;  // SYSTEM.ALT; empty when there is none
  std::string strSoftware;      // missing files keep the name they should have
  std::string strDefault;
  std::string strUser;        // NTUSER.DAT; empty when no profile has one
  std::string strUserFolder;  // the profile folder's name ("Administrator")
};

// True when the machine directory holds WINNT\system32\config\SYSTEM; then
// *pMachine names the files. strUser picks the profile, "Administrator"
// being used when that user has none.
bool FindHiveMachine(const std::string& strMachine, const std::string& strUser,
                     CHiveMachine* pMachine);
// The entry of a folder named so without regard to case; empty when none.
std::string FindEntryNoCase(const std::string& strDir,
                            const std::string& strName);
