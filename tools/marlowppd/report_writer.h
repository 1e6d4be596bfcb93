// Writes marlowppd's output: UTF-16 texts as UTF-8, quoted and escaped
// the JSON way, and numbers without the C library's formatting, so that every
// platform writes the same bytes.
#pragma once

#include <cstdint>
#include <cstdio>

#include "ppd/ppd_records.h"
#include "ppd/ppd_text.h"

namespace marlow {

class ReportWriter {
public:
    explicit ReportWriter(std::FILE* out) : pOut_(out) {}

    void WriteAscii(const char* text);
    void WriteDecimal(std::int64_t value);
    // The text in double quotes: '"', '\' and control characters escaped,
    // everything else as UTF-8 (an unpaired surrogate as U+FFFD).
    void WriteQuoted(const char16_t* units, std::int32_t count);
    void WriteQuoted(const PpdText& text) { WriteQuoted(text.Text(), text.Length()); }
    void WriteQuoted(const PpdConstraintText& text) { WriteQuoted(text.Text(), text.Length()); }
    // The same without the quotes and escapes, for messages.
    void WriteUtf8(const char16_t* units, std::int32_t count);

private:
    void WriteCodePoint(std::uint32_t codePoint);
    void WriteEscaped(char16_t unit);

    std::FILE* pOut_;
};

}  // namespace marlow
