// How the tokenizer sorts the 256 byte values.
#pragma once

namespace marlow {

enum class PpdCharClass : unsigned char { kToken, kBlank, kDelimiter };

// NUL, tab, line feed, form feed, carriage return and space are blanks; the
// double quote and the colon are delimiters; every other value, 0x0B and
// everything from 0x80 up included, is a token character.
constexpr PpdCharClass ClassifyPpdChar(int c) {
    switch (c) {
    case 0x00:
    case 0x09:
    case 0x0A:
    case 0x0C:
    case 0x0D:
    case 0x20:
        return PpdCharClass::kBlank;
    case 0x22:
    case 0x3A:
        return PpdCharClass::kDelimiter;
    default:
        return PpdCharClass::kToken;
    }
}

// What ends each of the tokenizer's runs of characters, one bit per run, so
// that its loops test a character with one load.
enum PpdRunEnd : unsigned char {
    kEndsBlankRun = 1,     // every character but a blank
    kEndsPlainToken = 2,   // blanks and delimiters
    kEndsNameToken = 4,    // the same, tab and space excepted
    kEndsQuotedToken = 8,  // the double quote
    kEndsComment = 16,     // line feed and carriage return
};

struct PpdRunEndTable {
    unsigned char ends[256];
};

constexpr PpdRunEndTable MakePpdRunEndTable() {
    PpdRunEndTable table{};
    for (int c = 0; c < 256; ++c) {
        const PpdCharClass charClass = ClassifyPpdChar(c);
        unsigned char ends = 0;
        if (charClass != PpdCharClass::kBlank) {
            ends |= kEndsBlankRun;
        }
        if (charClass != PpdCharClass::kToken) {
            ends |= kEndsPlainToken;
            if (c != '\t' && c != ' ') {
                ends |= kEndsNameToken;
            }
        }
        if (c == '"') {
            ends |= kEndsQuotedToken;
        }
        if (c == '\n' || c == '\r') {
            ends |= kEndsComment;
        }
        table.ends[c] = ends;
    }
    return table;
}

inline constexpr PpdRunEndTable kPpdRunEnds = MakePpdRunEndTable();

// Whether c, a byte (0 to 255) or -1 for the end of the input, ends the
// runs of the mask; the end of the input ends every run.
inline bool EndsPpdRun(int c, unsigned char mask) {
    return c < 0 || (kPpdRunEnds.ends[c] & mask) != 0;
}

}  // namespace marlow
