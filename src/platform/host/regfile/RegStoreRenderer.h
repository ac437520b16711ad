// Writes one root's file anew after the program changed it: every section
// and line the program left alone is copied from the file as it was read,
// byte for byte; changed values are written in place of their old line, new
// values at the end of their key's last section, new keys in sections at
// the end of the file, and the sections of deleted keys are left out.
#pragma once

#include <memory>
#include <string>

#include "RegStoreFile.h"

std::string RenderStoreFile(const CRegStoreFile& file,
                            const std::shared_ptr<CRegKeyNode>& root,
                            const CRegDirtyMap& dirty);
