// Thousands separators for the About box's figures.
#pragma once

#include <string>

// Rewrites a decimal number in place with a comma between groups of three
// digits ("1234567" becomes "1,234,567"). Text that is not exactly the
// decimal form of a signed 32-bit number (leading zeros, a plus sign,
// blanks, other characters, too large) is left as it is. The separator is
// always a comma, whatever the user's locale.
void FormatThousands(std::string& strNumber);
