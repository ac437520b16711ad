// Removal of the suite's start-up entries (the tray application's Run value,
// the main executable's Userinit entry), its settings keys for the machine,
// the current user and the default user, and its uninstall entry. Reports
// nothing: an absent value or key is passed over.
#pragma once

void RemoveProductSettings();
