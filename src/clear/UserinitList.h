// The Winlogon "Userinit" value: a comma-separated list of the programs
// Windows starts at logon. An entry stays or goes as a whole.
#pragma once

#include <string>

// The list without the entries that contain strName (case-sensitive
// substring). Entries that stay are copied byte for byte; a comma goes
// before an entry only when the result already holds text, and the text
// after the last comma is an entry only when it is not empty.
std::string WithoutUserinitEntries(const std::string& strList,
                                   const std::string& strName);
