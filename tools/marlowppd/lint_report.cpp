#include "lint_report.h"

#include <string>

#include "report_writer.h"

namespace marlow {

namespace {

// UTF-8 bytes back to UTF-16 for the writer's JSON quoting; the lint's
// sentences are well-formed UTF-8.
std::u16string DecodeUtf8(const std::string& text) {
    std::u16string units;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int trailing = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        std::uint32_t codePoint = trailing == 0 ? lead : lead & (0x3Fu >> trailing);
        ++i;
        for (int t = 0; t < trailing && i < text.size(); ++t, ++i) {
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        }
        if (codePoint >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(codePoint);
        }
    }
    return units;
}

void WriteQuotedUtf8(ReportWriter& writer, const std::string& text) {
    const std::u16string units = DecodeUtf8(text);
    writer.WriteQuoted(units.data(), static_cast<std::int32_t>(units.size()));
}

// The finding's line, or the given word for the file as a whole.
void WriteLine(ReportWriter& writer, const LintFinding& finding, const char* wholeFile) {
    if (finding.nLine > 0) {
        writer.WriteDecimal(finding.nLine);
    } else {
        writer.WriteAscii(wholeFile);
    }
}

}  // namespace

void PrintLintText(const std::vector<LintFinding>& findings, std::FILE* out) {
    ReportWriter writer(out);
    for (const LintFinding& finding : findings) {
        WriteLine(writer, finding, "-");
        writer.WriteAscii(": ");
        writer.WriteAscii(finding.category);
        writer.WriteAscii(": ");
        writer.WriteAscii(finding.message.c_str());
        writer.WriteAscii("\n");
    }
}

void PrintLintJson(const std::vector<LintFinding>& findings, std::FILE* out) {
    ReportWriter writer(out);
    writer.WriteAscii("{\"findings\": [");
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const LintFinding& finding = findings[i];
        writer.WriteAscii(i == 0 ? "\n  {\"line\": " : ",\n  {\"line\": ");
        WriteLine(writer, finding, "null");
        writer.WriteAscii(", \"category\": \"");
        writer.WriteAscii(finding.category);
        writer.WriteAscii("\", \"message\": ");
        WriteQuotedUtf8(writer, finding.message);
        writer.WriteAscii("}");
    }
    writer.WriteAscii(findings.empty() ? "]}\n" : "\n]}\n");
}

}  // namespace marlow
