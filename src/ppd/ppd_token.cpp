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

// How a scan for one token ended: the token's first character (-1 when the
// input ended before one), and the last value read, which is -1 when the
// input ended inside or before the token.
struct TokenScanEnd {
    int first;
    int last;
    bool IsEnd() const { return last < 0; }
};

// No character waits to be taken first.
constexpr int kNoPending = -2;

// Takes blanks and comments. Answers the first character of the next token,
// or -1 at the end of the input; *pPending is then the character after a
// leading asterisk, already read, or kNoPending. A percent sign, alone or
// right after an asterisk, begins a comment only here, where a token would
// begin; the comment runs to the next line feed or carriage return.
template <typename Reader>
int SkipToTokenStart(Reader& read, int* pPending) {
    for (;;) {
        int c = 0;
        do {
            c = read();
            read.CountLineFeed(c);
        } while (!EndsPpdRun(c, kEndsBlankRun));
        if (c == '*') {
            const int next = read();
            if (next != '%') {
                *pPending = next;
                return c;
            }
        } else if (c != '%') {
            return c;
        }
        // The comment's characters, up to and with the line end.
        do {
            c = read();
        } while (!EndsPpdRun(c, kEndsComment));
        if (c < 0) {
            return -1;
        }
        read.CountLineFeed(c);
    }
}

// Takes the token's characters from length on until one of the run ends
// kEnds or the input ends; the character that ends it, and the one that
// finds the buffer full, are consumed and not stored. Only the first
// storeUnits characters (at most kMaxTokenLength) go into the buffer; the
// length counts them all. pending, unless kNoPending, is the first of the
// characters, already read. kWithinLine: every line feed ends the token, so
// only the last character taken can be one. Answers the last value read.
template <unsigned char kEnds, bool kWithinLine, typename Reader>
int ReadTokenRest(Reader& read, int pending, char16_t* buffer, std::int32_t* pLength,
                  std::int32_t storeUnits) {
    std::int32_t length = *pLength;
    int c = pending;
    bool bEnded = false;
    if (pending != kNoPending) {
        // Only after a leading asterisk: there is room for it.
        if (!kWithinLine) {
            read.CountLineFeed(c);
        }
        bEnded = EndsPpdRun(c, kEnds);
        if (!bEnded) {
            buffer[length++] = static_cast<char16_t>(c);
        }
    }
    // Stored while there is room: the one test of the length is whether
    // the room is used up.
    while (!bEnded && length < storeUnits) {
        c = read();
        if (!kWithinLine) {
            read.CountLineFeed(c);
        }
        bEnded = EndsPpdRun(c, kEnds);
        if (!bEnded) {
            buffer[length++] = static_cast<char16_t>(c);
        }
    }
    // Then only counted, up to the end of the token or of the buffer.
    if (!bEnded) {
        for (;;) {
            c = read();
            if (!kWithinLine) {
                read.CountLineFeed(c);
            }
            if (EndsPpdRun(c, kEnds) || length == kMaxTokenLength) {
                break;
            }
            ++length;
        }
    }
    if (kWithinLine) {
        read.CountLineFeed(c);
    }
    *pLength = length;
    return c;
}

static_assert((kPpdRunEnds.ends[0x0A] & kEndsPlainToken) != 0 &&
                  (kPpdRunEnds.ends[0x0A] & kEndsNameToken) != 0 &&
                  (kPpdRunEnds.ends[0x0A] & kEndsComment) != 0,
              "plain tokens and comments end at every line feed");

// One token, from the blanks before it to the character that ends it, in
// one scan of the source. The buffer holds its first storeUnits characters
// and a zero; *pLength is its full length.
template <typename Reader>
TokenScanEnd ScanToken(Reader& read, char16_t* buffer, bool bAllowBlanks, std::int32_t storeUnits,
                       std::int32_t* pLength) {
    int pending = kNoPending;
    const int first = SkipToTokenStart(read, &pending);
    int last = first;
    std::int32_t length = 0;
    if (first == '"') {
        // Up to the next double quote: blanks, colons and line ends are
        // ordinary characters here.
        last = ReadTokenRest<kEndsQuotedToken, false>(read, kNoPending, buffer, &length,
                                                       storeUnits);
    } else if (first >= 0) {
        // Up to the first blank or delimiter; with blanks allowed, tabs
        // and spaces belong to the token.
        buffer[0] = static_cast<char16_t>(first);
        length = 1;
        last = bAllowBlanks ? ReadTokenRest<kEndsNameToken, true>(read, pending, buffer, &length,
                                                                   storeUnits)
                            : ReadTokenRest<kEndsPlainToken, true>(read, pending, buffer,
                                                                    &length, storeUnits);
    }
    buffer[length < storeUnits ? length : storeUnits] = 0;
    *pLength = length;
    return TokenScanEnd{first, last};
}

// The token's full length; the buffer holds its first storeUnits characters
// and a zero.
bool ReadToken(PpdByteSource& source, char16_t* buffer, bool bAllowBlanks, std::int32_t storeUnits,
               std::int32_t* pLength) {
    std::int32_t length = 0;
    const TokenScanEnd end = source.Scan([&](auto& read) {
        return ScanToken(read, buffer, bAllowBlanks, storeUnits, &length);
    });
    if (pLength != nullptr) {
        *pLength = length;
    }
    return end.first >= 0;
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
