// The two kinds of token that statements take after their keyword: plain
// values, and names of the form keyword[/translation].
#pragma once

#include "ppd/ppd_byte_source.h"
#include "ppd/ppd_text.h"

namespace marlow {

// The next token without blanks, stored into target. False, target
// unchanged, at the end of the input.
bool ReadValueToken(PpdByteSource& source, char16_t* tokenBuffer, PpdText& target);

// The next token with blanks allowed (it runs to the colon), split at its
// slashes into keyword and translation, <hex> substrings read as bytes.
// Both targets are expected empty. False at the end of the input.
bool ReadNameToken(PpdByteSource& source, char16_t* tokenBuffer, PpdText& keyword,
                   PpdText& translation);

}  // namespace marlow
