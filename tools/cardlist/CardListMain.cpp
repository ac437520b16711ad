// quorrel_cardlist: prints the values the Update operation writes into the
// card database, one a line, as KEY|NAME|TYPE|DATA with KEY relative to the
// card database key and DWORD data in hexadecimal (as `reg query` shows it).
// The Windows build's end-to-end test compares a real registry with it.
#include <cstdio>

#include "update/CardTable.h"

int main() {
  for (const CardEntry& entry : CardEntries()) {
    for (const CardValue& value : entry.values) {
      if (value.type == REG_DWORD)
        std::printf("%s\\%s|%s|REG_DWORD|0x%x\n", entry.manufacturer,
                    entry.product, value.name,
                    static_cast<unsigned>(value.number));
      else
        std::printf("%s\\%s|%s|REG_SZ|%s\n", entry.manufacturer, entry.product,
                    value.name, value.text);
    }
  }
  return 0;
}
