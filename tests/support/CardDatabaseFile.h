// The card database as tests/data/CardDatabase.txt writes it down, apart
// from the program's table, and the same listing read back from a registry
// or a hive, so a test compares the two line by line.
#pragma once

#include <string>
#include <vector>

#include "platform/Registry.h"

// "MANUFACTURER\PRODUCT|NAME|TYPE|DATA" lines of the file, sorted.
std::vector<std::string> ExpectedCardDatabase();

// The values of the file in the order the Update writes them.
struct CCardValueLine {
  std::string strKey;  // MANUFACTURER\PRODUCT
  std::string strName, strType, strData;
};
std::vector<CCardValueLine> CardDatabaseInWritingOrder();

// "- line" for each expected line missing from actual, "+ line" for each
// extra one; both sorted. Empty when they agree.
std::vector<std::string> LineDifferences(
    const std::vector<std::string>& expected,
    const std::vector<std::string>& actual);

// Every value below the card database key of HKEY_LOCAL_MACHINE in the
// same form, sorted; a string not stored with exactly one terminating zero,
// a DWORD not of 4 bytes, or a subkey below a product key shows as such.
std::vector<std::string> ListCardDatabase(IRegistry& registry);

// The expected values as RegfListing() shows them in the SYSTEM hive under
// strControlSet ("ControlSet001"): REG_SZ as UTF-16LE with its zero.
std::vector<std::string> ExpectedCardDatabaseInHive(
    const std::string& strControlSet);
