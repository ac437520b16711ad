// The suite's card database as compiled into the program: which driver and
// device class the suite needs for each PC Card, by manufacturer and product.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

struct CardValue {
  const char* name;  // "Driver", "DeviceType", "SpecialtyInstall" ...
  DWORD type;        // REG_SZ or REG_DWORD
  const char* text;  // data for REG_SZ
  DWORD number;      // data for REG_DWORD
};

struct CardEntry {
  // Key names taken verbatim: spaces, commas, dots, "+", "/" and ":" are
  // part of the name, trailing spaces included.
  const char* manufacturer;
  const char* product;
  std::vector<CardValue> values;  // written in this order
};

// The card database key; an entry's key is this, the manufacturer and the
// product, joined with backslashes.
extern const char kCardDatabaseKey[];

// The rows, in the order they are written.
const std::vector<CardEntry>& CardEntries();

// The full key path of an entry.
std::string CardEntryKeyPath(const CardEntry& entry);
