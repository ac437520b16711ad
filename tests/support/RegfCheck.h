// An independent structural check of a hive file, by the rules NT 4.0 and
// later keep, read straight from the bytes: the base block (signature,
// clean sequence numbers, version, sizes, checksum by NT's rule); bins and
// cells that tile them exactly, neighbouring free cells merged; list forms
// the hive's version allows (no "lh" below minor 5, no "db" at minor 3, an
// index root only over non-empty leaves, no emptied list kept), counts,
// elements in NT's order, fast leaf hints and hash leaf hashes; names
// stored compressed exactly when they fit in 8 bits; security cells in one
// ring with true reference counts; every allocated cell reached from the
// root, none twice.
#pragma once

#include <string>
#include <vector>

// Every rule the hive breaks, one line each naming the cell; empty: sound.
std::vector<std::string> CheckRegf(const std::string& strImage);
std::vector<std::string> CheckRegfFile(const std::string& strPath);

// The keys and values as this check reads them, sorted, names in UTF-8:
// "Path\To\Key" for a key, "Path\To\Key\\name=type:hexdata" for a value.
std::vector<std::string> RegfListing(const std::string& strImage);

std::string ReadRegfFile(const std::string& strPath);
