// Placeholder until the Clear operation lands; that work deletes this file.
int SilentClearRegistry() { return 0; }
