// The host's user interface for one run: the full-screen terminal UI when
// standard input and output are a terminal that curses can drive, else the
// line-based one (message boxes on standard error, answers from
// QUORREL_ANSWERS).
#pragma once

#include <memory>
#include <string>

#include "platform/host/HostUser.h"

class CHostFileSystem;
class CHostShell;
class IUiAdapter;

// *ppUi is the terminal UI when there is one, else null (the framework's
// default adapter then ends an interactive run as though nothing was
// chosen).
std::unique_ptr<CHostUser> CreateHostUser(const std::string& strWindowDirectory,
                                          IUiAdapter** ppUi);
// TRUE when this process can run the full-screen terminal UI.
BOOL HasUsableTerminal();
// With the terminal UI, the shell's folder browser becomes its input box.
void UseTerminalFolderBrowser(IUiAdapter* pUi, CHostShell& shell,
                              CHostFileSystem& files);
