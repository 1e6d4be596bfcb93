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

// The same as a table, for the tokenizer's inner loops.
struct PpdCharClassTable {
    PpdCharClass classes[256];
};

constexpr PpdCharClassTable MakePpdCharClassTable() {
    PpdCharClassTable table{};
    for (int c = 0; c < 256; ++c) {
        table.classes[c] = ClassifyPpdChar(c);
    }
    return table;
}

inline constexpr PpdCharClassTable kPpdCharClasses = MakePpdCharClassTable();

// c is a byte, 0 to 255.
inline PpdCharClass LookUpPpdCharClass(int c) { return kPpdCharClasses.classes[c]; }

}  // namespace marlow
