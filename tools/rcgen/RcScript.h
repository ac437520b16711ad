// The resource script of the Windows build, generated from the program's own
// resource data (src/res) so that no text is kept twice.
#pragma once

#include <string>

// A string literal of the script: quotes doubled, backslashes, tabs, line
// ends and every byte outside printable ASCII escaped, so that the resource
// compiler reads back exactly these bytes in code page 1252.
std::string RcQuote(const std::string& strText);

// STRINGTABLE with every string of the program's string table.
std::string RcStringTable();
// VERSIONINFO 1: the program's version, maker and title.
std::string RcVersionInfo();
// The whole script; picture files are named relative to the script.
std::string RcResourceScript();

// File names of the pictures the script includes.
constexpr const char* kSplashBitmapFile = "splash105.bmp";
constexpr const char* kLogoBitmapFile = "logo211.bmp";
constexpr const char* kMainIconFile = "main101.ico";
