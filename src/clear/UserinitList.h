// The Winlogon "Userinit" value: a comma-separated list of the programs
// Windows starts at logon. An entry stays or goes as a whole.
#pragma once

#include <string>

// The file name of the program an entry starts: its last path component,
// without quotes and without the arguments that follow it.
std::string UserinitProgramName(const std::string& strEntry);
// The list without the entries whose program's file name is strFileName,
// compared without regard to case. Everything else stays byte for byte,
// the commas around the remaining entries included, so a list from which
// nothing goes comes back unchanged.
std::string WithoutUserinitEntries(const std::string& strList,
                                   const std::string& strFileName);
// The same list with the first of those entries replaced by strProgram
// instead of dropped (the others still go), so that the commas around it
// stay as they were.
std::string ReplacingUserinitEntries(const std::string& strList,
                                     const std::string& strFileName,
                                     const std::string& strProgram);
// True when some entry names a program (is more than blanks).
bool HasUserinitProgram(const std::string& strList);
