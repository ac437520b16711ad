// One root key's file of the store as it was read: its bytes, kept so that
// whatever the program leaves alone is written back exactly as it was, and
// where each key's section lies in them.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "RegFileFormat.h"
#include "RegPathArena.h"
#include "platform/memory/RegistryTree.h"

struct CRegFileSection {
  // From the comments in front of the header line (they belong to this key,
  // not to the one before) up to the next section.
  size_t nBegin = 0;
  size_t nEnd = 0;
  size_t nLine = 0;  // of the line at nBegin
  // The key's path below the root; named through CurrentControlSet, the
  // path in the control set it links to. Held by the file's paths.
  std::string_view strPath;
  // Named through CurrentControlSet: applied after every other section, so
  // its lines decide over those of its control set's own sections.
  bool bThroughLink = false;
  // The key was reached (its node made): until then the program can't have
  // changed it, and the section is copied as it is.
  bool bReached = false;
  std::weak_ptr<CRegKeyNode> key;  // expired or deleted: the key is gone
};

struct CRegStoreFile {
  HKEY hRoot = nullptr;
  std::string strRootName;  // "HKEY_LOCAL_MACHINE"
  std::string strPath;      // <dir>/HKEY_LOCAL_MACHINE.reg
  bool bExists = false;
  CRegFileInfo info;  // files the store creates: REGEDIT4, CRLF
  std::string strRaw;
  size_t nPrologueEnd = 0;  // header and what precedes the first section
  std::vector<CRegFileSection> sections;
  CRegPathArena paths;  // the sections' paths
  bool bDirty = false;  // changed since read: rewritten when closing
};

// What the program changed in one key since the files were read. Holds the
// key, so that no other key can take its address while it is listed.
struct CRegDirtyKey {
  std::shared_ptr<CRegKeyNode> node;
  std::set<std::string> values;  // folded names of values set or deleted
};
typedef std::map<const CRegKeyNode*, CRegDirtyKey> CRegDirtyMap;
