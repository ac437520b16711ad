// Where the framework finds the program's resources by number: the tables
// the program hands it once at start (the data lives in src/res). Until
// then every lookup finds nothing.
#pragma once

#include <cstddef>

struct CStringTableSection;
struct CDialogTemplate;
struct CMenuTemplate;
struct CBitmapResource;

struct CResourceTables {
  const CStringTableSection* const* ppStringSections;
  size_t nStringSections;
  // In ascending order of ID.
  const CDialogTemplate* const* ppDialogs;
  size_t nDialogs;
  const CMenuTemplate* const* ppMenus;
  size_t nMenus;
  const CBitmapResource* const* ppBitmaps;
  size_t nBitmaps;
};

// The tables stay the caller's and must outlive every lookup. Gives the
// tables installed before.
const CResourceTables& AfxSetResourceTables(const CResourceTables& tables);
const CResourceTables& AfxGetResourceTables();
