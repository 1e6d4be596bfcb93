#include "ppd/ppd_token.h"

#include "ppd/ppd_char_class.h"

namespace marlow {

namespace {

constexpr std::int32_t kMaxTokenLength = kPpdTokenBufferUnits - 1;

// Skips blanks and comments. Answers the first character of the next token,
// or -1 at the end of the input. A percent sign, alone or right after an
// asterisk, begins a comment only here, where a token would begin; the
// comment runs to the next line feed or carriage return.
int SkipToTokenStart(PpdByteSource& source) {
    for (;;) {
        int first = -1;
        bool bComment = false;
        source.TakeWhile([&](int c) {
            if (c < 0 || c == '*' || c == '%' || LookUpPpdCharClass(c) != PpdCharClass::kBlank) {
                first = c;
                return false;
            }
            return true;
        });
        if (first == '*') {
            if (source.PeekChar() != '%') {
                return first;
            }
            bComment = true;
        } else if (first == '%') {
            bComment = true;
        }
        if (!bComment) {
            return first;
        }
        // The comment's characters, up to and with the line end.
        bool bEnded = false;
        source.TakeWhile([&](int c) {
            bEnded = c < 0;
            return c >= 0 && c != '\n' && c != '\r';
        });
        if (bEnded) {
            return -1;
        }
    }
}

// Everything up to the next double quote, which is consumed; blanks, colons
// and line ends are ordinary characters here.
std::int32_t ReadQuotedRest(PpdByteSource& source, char16_t* buffer) {
    std::int32_t length = 0;
    source.TakeWhile([&](int c) {
        if (c < 0 || c == '"' || length == kMaxTokenLength) {
            return false;
        }
        buffer[length++] = static_cast<char16_t>(c);
        return true;
    });
    return length;
}

bool ContinuesPlainToken(int c, bool bAllowBlanks) {
    return LookUpPpdCharClass(c) == PpdCharClass::kToken ||
           (bAllowBlanks && (c == '\t' || c == ' '));
}

// The first other character ends the token and is consumed with it; so is
// the character that finds the buffer full.
std::int32_t ReadPlainRest(PpdByteSource& source, char16_t* buffer, std::int32_t length,
                           bool bAllowBlanks) {
    source.TakeWhile([&](int c) {
        if (c < 0 || !ContinuesPlainToken(c, bAllowBlanks) || length == kMaxTokenLength) {
            return false;
        }
        buffer[length++] = static_cast<char16_t>(c);
        return true;
    });
    return length;
}

}  // namespace

bool ReadPpdToken(PpdByteSource& source, char16_t* buffer, bool bAllowBlanks,
                  std::int32_t* pLength) {
    std::int32_t length = 0;
    const int first = SkipToTokenStart(source);
    if (first >= 0) {
        if (first == '"') {
            length = ReadQuotedRest(source, buffer);
        } else {
            buffer[0] = static_cast<char16_t>(first);
            length = ReadPlainRest(source, buffer, 1, bAllowBlanks);
        }
    }
    buffer[length] = 0;
    if (pLength != nullptr) {
        *pLength = length;
    }
    return first >= 0;
}

}  // namespace marlow
