// The host's registry: the in-memory registry kept in a directory of files,
// one a root key, in the registry's own export format:
// HKEY_LOCAL_MACHINE.reg, HKEY_USERS.reg and HKEY_CURRENT_USER.reg (a
// missing file is an empty root; HKEY_CLASSES_ROOT is not stored).
//
// Several programs use one store at once (JournaledRegistry.h), with its
// lock store.lock, users file store.users and journal store.journal. The
// last program to close keeps a journal that is small against the files (at
// most 1/16 of their bytes and at most 8 MB), synced, and leaves the files
// as they are: every open replays it. A larger journal is folded in: each
// changed root file is written anew (temporary file, fsync, rename, fsync of
// the directory), only once the journal covering the rewrite is whole and
// synced, and then the journal goes. The first program to open a store
// alone that finds a journal past that bound (grown over runs, or left by a
// crash) replays it and writes the files at once. A journal damaged before
// its last record is refused, and kept, with the files, as it is.
//
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "JournaledRegistry.h"
#include "RegFileStamp.h"
#include "RegJournal.h"
#include "StoreLock.h"
#include "platform/host/regfile/RegStoreFile.h"

class CFileRegistry : public CJournaledRegistry {
 public:
  CFileRegistry();
  // Closes the store when still open; errors are lost: call Close().
  ~CFileRegistry() override;
  CFileRegistry(const CFileRegistry&) = delete;
  CFileRegistry& operator=(const CFileRegistry&) = delete;

  // Reads the store in strDir (created when missing), waiting for it at
  // most dwWaitMs (the default bound when omitted). A file that can't be
  // read is refused, and left as it is: ERROR_BADDB with *pstrError naming
  // the file and line ("<path>: line N: <reason>").
  LONG Open(const std::string& strDir, std::string* pstrError);
  LONG Open(const std::string& strDir, DWORD dwWaitMs, std::string* pstrError);
  // Opens the store at its first use instead, as a program does that must
  // not wait before it has started (the store was busy when it tried).
  void OpenAtFirstUse(const std::string& strDir);
  // Folds the journal left in strDir into the files whatever its size, as
  // the last program to close folds one past its bound; taken alone, with
  // no other program on the store. A file changed since the journal began
  // gets its changes replayed over it: *pstrNotice then says so.
  static LONG FoldStore(const std::string& strDir, std::string* pstrNotice,
                        std::string* pstrError);

  static const char kJournalName[];
  static const char kLockName[];
  static const char kUsersName[];

 protected:
  bool NoteChange(CRegKeyNode& key, const CRegStoreOp& op) override;
  // The marks of the files the journal applies to (FileRegistryMarks.cpp).
  CRegJournalRecord JournalBegins() const override;
  LONG LoadFiles(std::string* pstrError) override;
  std::vector<std::string> FilePaths() const override;
  void ForgetFiles() override { m_dirty.clear(); }
  LONG RecoverAlone(std::string* pstrError) override {
    return Recover(false, nullptr, pstrError);
  }
  // Writes each changed file, after the journal's mark of what it becomes,
  // then removes the journal.
  LONG Fold(CRegJournal& journal, std::string* pstrError) override;
  // A journal small against the files it changes is kept and replayed at
  // each open instead of folded into them: rewriting a large file for a
  // small change costs more than reading the change back.
  bool KeepsJournal(uint64_t nJournalBytes) const override;
  // Refuses a journal whose files were changed by hand since it began.
  LONG CheckJournal(const std::vector<CRegJournalRecord>& records,
                    std::string* pstrError) const override;
  LONG OpenNow(DWORD dwWaitMs, std::string* pstrError) override {
    return Open(m_strDir, dwWaitMs, pstrError);
  }

 private:
  LONG LoadFile(CRegStoreFile* pFile, std::string* pstrError);
  // bAlways: fold whatever the journal's size, over files changed since it
  // began (FoldStore); otherwise a file changed so refuses the store.
  LONG Recover(bool bAlways, std::string* pstrNotice, std::string* pstrError);
  // The path of the first file that is neither what the journal began on
  // nor what a fold made of it (a hand edit since), or empty.
  std::string ChangedSinceJournal(
      const std::vector<CRegJournalRecord>& records) const;
  LONG RefuseChanged(const std::string& strFile, std::string* pstrError) const;

  // The file of the root a key is in; null for HKEY_CLASSES_ROOT.
  CRegStoreFile* FileOf(const CRegKeyNode& key);
  CRegDirtyKey& Dirty(CRegKeyNode& key);

  std::vector<CRegStoreFile> m_files;
  CRegDirtyMap m_dirty;
};
