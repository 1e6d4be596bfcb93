#include "finding_report.h"

#include <string>

namespace marlow {

namespace {

void WriteJsonString(const std::string& text, std::FILE* out) {
    std::fputc('"', out);
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            std::fputs("\\\"", out);
            break;
        case '\\':
            std::fputs("\\\\", out);
            break;
        case '\n':
            std::fputs("\\n", out);
            break;
        case '\r':
            std::fputs("\\r", out);
            break;
        case '\t':
            std::fputs("\\t", out);
            break;
        default:
            if (c < 0x20) {
                std::fprintf(out, "\\u%04x", c);
            } else {
                std::fputc(c, out);
            }
        }
    }
    std::fputc('"', out);
}

}  // namespace

void PrintFindingsText(const PackageCheckResult& result, std::FILE* out) {
    for (const PackageFinding& finding : result.findings) {
        if (finding.nLine > 0) {
            std::fprintf(out, "%s:%d: %s: %s\n", finding.file.c_str(), finding.nLine,
                         finding.category.c_str(), finding.message.c_str());
        } else {
            std::fprintf(out, "%s: %s: %s\n", finding.file.c_str(), finding.category.c_str(),
                         finding.message.c_str());
        }
    }
    std::fprintf(out, "marlowpkg: %d package%s checked, %zu finding%s\n", result.nPackages,
                 result.nPackages == 1 ? "" : "s", result.findings.size(),
                 result.findings.size() == 1 ? "" : "s");
}

void PrintFindingsJson(const PackageCheckResult& result, std::FILE* out) {
    std::fprintf(out, "{\n  \"packages\": %d,\n  \"findings\": [", result.nPackages);
    for (std::size_t i = 0; i < result.findings.size(); ++i) {
        const PackageFinding& finding = result.findings[i];
        std::fputs(i == 0 ? "\n    {\"file\": " : ",\n    {\"file\": ", out);
        WriteJsonString(finding.file, out);
        if (finding.nLine > 0) {
            std::fprintf(out, ", \"line\": %d", finding.nLine);
        } else {
            std::fputs(", \"line\": null", out);
        }
        std::fputs(", \"category\": ", out);
        WriteJsonString(finding.category, out);
        std::fputs(", \"message\": ", out);
        WriteJsonString(finding.message, out);
        std::fputc('}', out);
    }
    std::fputs(result.findings.empty() ? "]\n}\n" : "\n  ]\n}\n", out);
}

}  // namespace marlow
