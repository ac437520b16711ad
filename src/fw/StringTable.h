// The program's string table: every user-visible text, by resource number.
// Each subsystem keeps its strings in its own section (src/res); this is
// the one lookup over all of them, used by every UI adapter and by the
// resource script of the Windows build.
#pragma once

#include <cstddef>
#include <string>

#include "platform/WinTypes.h"

struct CStringResource {
  UINT nID;
  const char* pszText;
};

struct CStringTableSection {
  const CStringResource* pEntries;
  size_t nEntries;
};

// The text of string nID; empty when there is no such string.
std::string LoadResString(UINT nID);
// TRUE when the table holds string nID.
BOOL HasResString(UINT nID);
// Calls fn(id, text) for every string, in ascending order of id.
void ForEachResString(void (*fn)(UINT nID, const char* pszText, void* pv),
                      void* pv);

// The program's title: caption of every message box and of the main window
// (the framework's own string number).
constexpr UINT IDS_APP_TITLE = 57344;
