#include "ppd/ppd_token.h"

#include "ppd/ppd_char_class.h"
#include "ppd/ppd_keyword_table.h"
#include "ppd/ppd_text.h"

namespace marlow {

namespace {

constexpr std::int32_t kMaxTokenLength = kPpdTokenBufferUnits - 1;

constexpr bool IsLongerThanEveryKeyword(std::int32_t units) {
    for (const PpdKeywordRow& row : PpdKeywordTable) {
        std::int32_t length = 0;
        while (row.wszKeyword[length] != 0) {
            ++length;
        }
        if (length >= units) {
            return false;
        }
    }
    return true;
}

static_assert(kPpdTokenPrefixUnits > PpdText::kMaxLength,
              "a kept prefix must not equal a text of the model unless the token does");
static_assert(IsLongerThanEveryKeyword(kPpdTokenPrefixUnits),
              "a kept prefix must not equal a keyword unless the token does");

// Skips blanks and comments. Answers the first character of the next token,
// or -1 at the end of the input. A percent sign, alone or right after an
// asterisk, begins a comment only here, where a token would begin; the
// comment runs to the next line feed or carriage return.
int SkipToTokenStart(PpdByteSource& source) {
    for (;;) {
        int first = -1;
        source.TakeWhile([&first](int c) {
            if (EndsPpdRun(c, kEndsBlankRun)) {
                first = c;
                return false;
            }
            return true;
        });
        if (first == '*') {
            if (source.PeekChar() != '%') {
                return first;
            }
        } else if (first != '%') {
            return first;
        }
        // The comment's characters, up to and with the line end.
        bool bEnded = false;
        source.TakeWithinLine([&bEnded](int c) {
            bEnded = c < 0;
            return !EndsPpdRun(c, kEndsComment);
        });
        if (bEnded) {
            return -1;
        }
    }
}

// Takes characters with the source's loop for kWithinLine (every line feed
// ends the run) or for any run.
template <bool kWithinLine, typename Step>
void TakeRun(PpdByteSource& source, Step&& step) {
    if (kWithinLine) {
        source.TakeWithinLine(step);
    } else {
        source.TakeWhile(step);
    }
}

// Takes the token's characters from length on until one of the run ends
// kEnds or the input ends; the character that ends it, and the one that
// finds the buffer full, are consumed and not stored. Only the first
// storeUnits characters (at most kMaxTokenLength) go into the buffer; the
// length counts them all. kWithinLine: every line feed ends the token.
template <unsigned char kEnds, bool kWithinLine>
std::int32_t ReadTokenRest(PpdByteSource& source, char16_t* buffer, std::int32_t length,
                           std::int32_t storeUnits) {
    // Stored while there is room: the one test of the length is whether
    // the room is used up.
    bool bEnded = false;
    if (length < storeUnits) {
        TakeRun<kWithinLine>(source, [&](int c) {
            if (EndsPpdRun(c, kEnds)) {
                bEnded = true;
                return false;
            }
            buffer[length++] = static_cast<char16_t>(c);
            return length < storeUnits;
        });
    }
    // Then only counted, up to the end of the token or of the buffer.
    if (!bEnded) {
        TakeRun<kWithinLine>(source, [&](int c) {
            if (EndsPpdRun(c, kEnds) || length == kMaxTokenLength) {
                return false;
            }
            ++length;
            return true;
        });
    }
    return length;
}

static_assert((kPpdRunEnds.ends[0x0A] & kEndsPlainToken) != 0 &&
                  (kPpdRunEnds.ends[0x0A] & kEndsNameToken) != 0 &&
                  (kPpdRunEnds.ends[0x0A] & kEndsComment) != 0,
              "plain tokens and comments end at every line feed");

// The token's full length; the buffer holds its first storeUnits characters
// and a zero.
bool ReadToken(PpdByteSource& source, char16_t* buffer, bool bAllowBlanks, std::int32_t storeUnits,
               std::int32_t* pLength) {
    std::int32_t length = 0;
    const int first = SkipToTokenStart(source);
    if (first >= 0) {
        if (first == '"') {
            // Up to the next double quote: blanks, colons and line ends are
            // ordinary characters here.
            length = ReadTokenRest<kEndsQuotedToken, false>(source, buffer, 0, storeUnits);
        } else {
            // Up to the first blank or delimiter; with blanks allowed, tabs
            // and spaces belong to the token.
            buffer[0] = static_cast<char16_t>(first);
            length = bAllowBlanks
                         ? ReadTokenRest<kEndsNameToken, true>(source, buffer, 1, storeUnits)
                         : ReadTokenRest<kEndsPlainToken, true>(source, buffer, 1, storeUnits);
        }
    }
    buffer[length < storeUnits ? length : storeUnits] = 0;
    if (pLength != nullptr) {
        *pLength = length;
    }
    return first >= 0;
}

}  // namespace

bool ReadPpdToken(PpdByteSource& source, char16_t* buffer, bool bAllowBlanks,
                  std::int32_t* pLength) {
    return ReadToken(source, buffer, bAllowBlanks, kMaxTokenLength, pLength);
}

bool ReadPpdTokenPrefix(PpdByteSource& source, char16_t* buffer) {
    return ReadToken(source, buffer, false, kPpdTokenPrefixUnits, nullptr);
}

}  // namespace marlow
