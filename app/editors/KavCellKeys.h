#pragma once

// What the point grid's in-cell editor takes, by the notation the table is shown in (DispMode):
// the characters a cell text may hold, the minus keys and the longest text of each column.
namespace editors {

// Hexadecimal: the digits and "a"-"f", "A"-"F"; decimal: the digits; user units: the digits and
// the decimal sign; any other notation nothing.
bool IsValidKeyChar(char32_t c);

// In user units "." (the keypad's decimal key types it too) stands for the decimal sign in use
// (platform::PointAsDecimalSign), as in the editors' number boxes; other notations take no
// decimals, and any other character is unchanged.
char32_t DecimalPointAsSign(char32_t c);

// The minus keys of the main keyboard (189) and of the keypad (109), outside hexadecimal.
bool IsMinusKey(int keyCode);

// The longest text a cell of the column takes; a 32-bit word is 8 hexadecimal digits or 11
// characters with its sign.
int EditMaxLength(int col);

// The narrow form of a full-width character (as a Japanese input method types them, "７" for
// "7"); any other character unchanged.
char32_t NarrowForm(char32_t c);

}  // namespace editors
