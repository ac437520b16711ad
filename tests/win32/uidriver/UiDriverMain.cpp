// quorrel_uidriver: drives and inspects real top-level windows for the
// end-to-end tests of the interactive program under Wine. Each command
// prints its answer on one line and exits 0 on success, 1 otherwise.
//
//   wait TITLE MS         the window titled TITLE appears (and is visible)
//   wait-gone TITLE MS    no window titled TITLE is left
//   popup CX CY MS        an untitled visible popup of that size appears
//   rect TITLE            "X Y CX CY" of the window, screen coordinates
//   client TITLE          "X Y CX CY" of its client area
//   style TITLE           the window style in hexadecimal
//   count TITLE           the number of top-level windows titled TITLE
//   click TITLE ID        a mouse click on control ID of the window
//   menu TITLE ID         chooses menu command ID of the window's menu bar
//   close TITLE           a click on the window's close box (WM_CLOSE)
//   foreground            the title of the foreground window
//   decoy TITLE MS        shows a window titled TITLE in front for MS ms
//   text TITLE ID         the text of control ID of the window
//   ctlrect TITLE ID      "X Y CX CY" of control ID, screen coordinates
//   input TITLE           "ENABLED|ACTIVE TITLE|FOCUS ID" of its thread
//   setcursor TITLE ID    "set" when WM_SETCURSOR on control ID (0: the
//                         window) sets a cursor, else "unchanged"
//   version               the system's version (see MachineFacts.h)
//   figures               memory, processor and free disk space
#include <cstdio>
#include <cstdlib>
#include <string>

#include "MachineFacts.h"
#include "UiDriver.h"

namespace {
int Usage() {
  std::fprintf(stderr, "usage: quorrel_uidriver COMMAND ARGS...\n");
  return 2;
}

DWORD Number(const char* psz) { return std::strtoul(psz, nullptr, 0); }
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string strCommand = argv[1];
  const int nArgs = argc - 2;
  char** args = argv + 2;
  if (strCommand == "wait" && nArgs == 2)
    return CmdWait(args[0], Number(args[1]));
  if (strCommand == "wait-gone" && nArgs == 2)
    return CmdWaitGone(args[0], Number(args[1]));
  if (strCommand == "popup" && nArgs == 3)
    return CmdPopup(static_cast<int>(Number(args[0])),
                    static_cast<int>(Number(args[1])), Number(args[2]));
  if (strCommand == "rect" && nArgs == 1) return CmdRect(args[0], FALSE);
  if (strCommand == "client" && nArgs == 1) return CmdRect(args[0], TRUE);
  if (strCommand == "style" && nArgs == 1) return CmdStyle(args[0]);
  if (strCommand == "count" && nArgs == 1) return CmdCount(args[0]);
  if (strCommand == "click" && nArgs == 2)
    return CmdClick(args[0], static_cast<UINT>(Number(args[1])));
  if (strCommand == "menu" && nArgs == 2)
    return CmdMenu(args[0], static_cast<UINT>(Number(args[1])));
  if (strCommand == "close" && nArgs == 1) return CmdClose(args[0]);
  if (strCommand == "foreground" && nArgs == 0) return CmdForeground();
  if (strCommand == "decoy" && nArgs == 2)
    return CmdDecoy(args[0], Number(args[1]));
  if (strCommand == "ctlrect" && nArgs == 2)
    return CmdControlRect(args[0], static_cast<UINT>(Number(args[1])));
  if (strCommand == "input" && nArgs == 1) return CmdInputState(args[0]);
  if (strCommand == "setcursor" && nArgs == 2)
    return CmdSetCursor(args[0], static_cast<UINT>(Number(args[1])));
  if (strCommand == "text" && nArgs == 2)
    return CmdText(args[0], static_cast<UINT>(Number(args[1])));
  if (strCommand == "version" && nArgs == 0) return CmdVersion();
  if (strCommand == "figures" && nArgs == 0) return CmdFigures();
  return Usage();
}
