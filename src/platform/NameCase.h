// Names compared without regard to case, the one rule for registry keys and
// values, files, services, load order groups and command-line switches: the
// letters a to z match A to Z and every other byte only itself, whatever the
// C library's locale. (Windows also folds the accented letters of the code
// page; none of the names the program compares holds one.)
#pragma once

#include <string>

inline char UpperNameChar(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
// The name as the comparison sees it, for use as a key.
std::string UpperName(std::string strName);
bool SameName(const std::string& strA, const std::string& strB);
// <0, 0 or >0 as strA sorts before, with or after strB, case left aside.
int CompareNames(const std::string& strA, const std::string& strB);
