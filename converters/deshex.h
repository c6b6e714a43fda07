#pragma once

// Hex digits to values and bytes to hex digits, for the DES calculator.

// One value (0 to 15) per character; stops at the first character that is
// not a hex digit (either case) and returns false, the values before it
// written. True when all count characters converted, also for 0.
[[nodiscard]] bool CharToHex(const unsigned char *chars, unsigned char *values, int count);
// Writes count / 2 bytes as two upper-case digits each, high nibble first,
// without a terminating zero. Always true.
bool HexToChar(char *out, const unsigned char *bytes, int count);
