// The two-character hex numbers of the <...> substrings in PPD names.
#pragma once

namespace marlow {

// Reads the pair the way wcstol with base 16 reads a two-character text: an
// optional leading white-space character and sign, then hex digits; the value
// of the longest valid prefix, 0 if there is none ("4G" is 4, "G4" is 0,
// "-4" is -4, "0x" is 0). Characters outside ASCII are neither white space
// nor digits.
int ReadHexPair(char16_t first, char16_t second);

}  // namespace marlow
