// Windows' own services that the suite took over: Pcmcia and Cdrom are
// pointed back at Windows' driver files, and a demand-start Cdrom is
// disabled.
#pragma once

#include <string>

#include "sys/RegistryTally.h"

// The text with the first occurrence of strFind (case-sensitive) replaced;
// FALSE, text untouched, when it does not occur.
bool ReplaceFirst(std::string* pstrText, const std::string& strFind,
                  const std::string& strReplacement);
// "ImagePath" of Pcmcia: Wembic -> Pcmcia; of Cdrom: Zandre -> Cdrom. Written
// back as REG_SZ only when the suite's name was found.
void RestoreWindowsDriverImagePaths(CRegistryTally& tally);
// "Start" of Cdrom: 3 (demand start) becomes 4 (disabled).
void DisableDemandStartCdrom(CRegistryTally& tally);
