// Reads one root's store file: checks every line, notes where each key's
// sections lie and leaves the keys in the file until the program reaches
// them (RegFileIndex.h). A store file describes keys, it does not delete
// them: "[-key]" and "name"=- are refused there.
#pragma once

#include <memory>
#include <string>

#include "RegStoreFile.h"
#include "platform/memory/RegistryTree.h"

// Maps HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet onto the control set that
// SYSTEM\Select "Current" names (ControlSet001 when there is none), as
// Windows does at boot: a volatile link key, never stored.
void LinkCurrentControlSet(const std::shared_ptr<CRegKeyNode>& machine);

// Makes root the key of pFile->strRaw (bExists false: an empty file), then
// links CurrentControlSet for HKEY_LOCAL_MACHINE. ERROR_BADDB with
// "<path>: line N: <reason>" when the file is refused.
LONG LoadStoreFile(CRegStoreFile* pFile,
                   const std::shared_ptr<CRegKeyNode>& root,
                   std::string* pstrError);
