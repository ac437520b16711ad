// File operations of the registry store, each durable when it returns: data
// is on stable storage (fsync) and so is the directory entry that names it.
// Errors are Windows codes; pstrError receives the path and the reason.
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

// Reads a whole file of at most nMaxBytes. *pbExists false (and success)
// when there is none.
LONG ReadWholeFile(const std::string& strPath, size_t nMaxBytes,
                   std::string* pstrBytes, bool* pbExists,
                   std::string* pstrError);
// Writes <path>.tmp, syncs it, renames it over the path and syncs the
// directory: a crash leaves the old file or the new one, never a mix. A
// path that is a symbolic link is written through to its target; the new
// file keeps the old one's mode and owner.
LONG ReplaceFileDurably(const std::string& strPath, const std::string& strBytes,
                        std::string* pstrError);
// Removes a file and syncs its directory; success when there is none.
LONG RemoveFileDurably(const std::string& strPath, std::string* pstrError);
// Creates a directory and its parents; names the path that is in the way
// when one of them is a file.
LONG MakeDirectories(const std::string& strPath, std::string* pstrError);
LONG SyncDirectoryOf(const std::string& strPath, std::string* pstrError);
// Told of each step a crash's outcome depends on, in the order made:
// "sync <path>" when a journal is synced, "rename <path>" when a file is
// replaced. Null but in the tests that check that order.
extern void (*g_pfnDurableStep)(const std::string& strStep);
inline void TellDurableStep(const char* pszStep, const std::string& strPath) {
  if (g_pfnDurableStep) g_pfnDurableStep(std::string(pszStep) + " " + strPath);
}
// Writes all bytes at the current offset of an open descriptor.
bool WriteAll(int fd, const char* pBytes, size_t cbBytes);
