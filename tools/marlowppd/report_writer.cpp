#include "report_writer.h"

namespace marlow {

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The code point at units[*pIndex], advancing past it.
std::uint32_t TakeCodePoint(const char16_t* units, std::int32_t count, std::int32_t* pIndex) {
    const char16_t unit = units[(*pIndex)++];
    if (IsHighSurrogate(unit) && *pIndex < count && IsLowSurrogate(units[*pIndex])) {
        const char16_t low = units[(*pIndex)++];
        return 0x10000 + ((static_cast<std::uint32_t>(unit) - 0xD800) << 10) + (low - 0xDC00);
    }
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
        return 0xFFFD;
    }
    return unit;
}

}  // namespace

void ReportWriter::WriteAscii(const char* text) { std::fputs(text, pOut_); }

void ReportWriter::WriteDecimal(std::int64_t value) {
    char digits[24];
    int length = 0;
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        digits[length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        std::fputc('-', pOut_);
    }
    while (length > 0) {
        std::fputc(digits[--length], pOut_);
    }
}

void ReportWriter::WriteCodePoint(std::uint32_t codePoint) {
    if (codePoint < 0x80) {
        std::fputc(static_cast<int>(codePoint), pOut_);
    } else if (codePoint < 0x800) {
        std::fputc(static_cast<int>(0xC0 | (codePoint >> 6)), pOut_);
        std::fputc(static_cast<int>(0x80 | (codePoint & 0x3F)), pOut_);
    } else if (codePoint < 0x10000) {
        std::fputc(static_cast<int>(0xE0 | (codePoint >> 12)), pOut_);
        std::fputc(static_cast<int>(0x80 | ((codePoint >> 6) & 0x3F)), pOut_);
        std::fputc(static_cast<int>(0x80 | (codePoint & 0x3F)), pOut_);
    } else {
        std::fputc(static_cast<int>(0xF0 | (codePoint >> 18)), pOut_);
        std::fputc(static_cast<int>(0x80 | ((codePoint >> 12) & 0x3F)), pOut_);
        std::fputc(static_cast<int>(0x80 | ((codePoint >> 6) & 0x3F)), pOut_);
        std::fputc(static_cast<int>(0x80 | (codePoint & 0x3F)), pOut_);
    }
}

void ReportWriter::WriteEscaped(char16_t unit) {
    static const char kHex[] = "0123456789abcdef";
    switch (unit) {
    case u'"':
        WriteAscii("\\\"");
        return;
    case u'\\':
        WriteAscii("\\\\");
        return;
    case u'\n':
        WriteAscii("\\n");
        return;
    case u'\r':
        WriteAscii("\\r");
        return;
    case u'\t':
        WriteAscii("\\t");
        return;
    default:
        break;
    }
    WriteAscii("\\u00");
    std::fputc(kHex[(unit >> 4) & 0xF], pOut_);
    std::fputc(kHex[unit & 0xF], pOut_);
}

void ReportWriter::WriteUtf8(const char16_t* units, std::int32_t count) {
    std::int32_t index = 0;
    while (index < count) {
        WriteCodePoint(TakeCodePoint(units, count, &index));
    }
}

void ReportWriter::WriteQuoted(const char16_t* units, std::int32_t count) {
    std::fputc('"', pOut_);
    std::int32_t index = 0;
    while (index < count) {
        const char16_t unit = units[index];
        if (unit < 0x20 || unit == u'"' || unit == u'\\') {
            WriteEscaped(unit);
            ++index;
        } else {
            WriteCodePoint(TakeCodePoint(units, count, &index));
        }
    }
    std::fputc('"', pOut_);
}

}  // namespace marlow
