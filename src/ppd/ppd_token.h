// The reader's tokenizer: comments, quoted values and plain tokens, read
// byte by byte into one large buffer.
#pragma once

#include <cstdint>

#include "ppd/ppd_byte_source.h"

namespace marlow {

// The token buffer, its terminating zero included: a token has at most
// 1,048,575 characters.
constexpr std::int32_t kPpdTokenBufferUnits = 1048576;

// Reads the next token into buffer (kPpdTokenBufferUnits units), each byte
// as one code unit of the same value, ended by a zero. With bAllowBlanks,
// tabs and spaces belong to a plain token. Answers false, with an empty
// buffer and length 0, at the end of the input. pLength may be null.
bool ReadPpdToken(PpdByteSource& source, char16_t* buffer, bool bAllowBlanks,
                  std::int32_t* pLength);

// How much of a token ReadPpdTokenPrefix keeps: one more unit than the
// longest text of the model (and than any statement keyword), so a kept
// prefix equals a keyword or a text exactly when the whole token does.
constexpr std::int32_t kPpdTokenPrefixUnits = 260;

// Reads the next token without blanks like ReadPpdToken, cut at the same
// place, but keeps only its first kPpdTokenPrefixUnits characters, ended by
// a zero: for tokens that are only looked up or compared, so that a long
// PostScript value does not run through the whole buffer. False at the end
// of the input.
bool ReadPpdTokenPrefix(PpdByteSource& source, char16_t* buffer);

// Reads a token whose text is not kept; false at the end of the input.
inline bool SkipPpdToken(PpdByteSource& source, char16_t* buffer) {
    return ReadPpdTokenPrefix(source, buffer);
}

}  // namespace marlow
