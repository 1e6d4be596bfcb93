// libFuzzer target: marlowppd's lint on arbitrary bytes, through its public
// entry points - the format's own line reader, the lint as a whole, and both
// of its printed forms. No crash, no finding outside the file's lines, one
// printed line per finding, and JSON that a strict reader accepts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "lint_report.h"
#include "ppd_line_view.h"
#include "ppd_lint.h"
#include "support/strict_json.h"

namespace {

void Require(bool bHolds, const char* what = "") {
    if (!bHolds) {
        std::fprintf(stderr, "lint fuzzer: %s\n", what);
        std::abort();
    }
}

// The file's last line: 1 plus its line ends, where CR LF counts once.
std::int64_t CountLines(const std::vector<unsigned char>& bytes) {
    std::int64_t lines = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) {
            ++lines;
        }
    }
    return lines;
}

// What a print function writes into a FILE*, as a string.
template <typename Print>
std::string Capture(Print print) {
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* out = open_memstream(&buffer, &length);
    Require(out != nullptr);
    print(out);
    std::fclose(out);
    std::string text(buffer, length);
    std::free(buffer);
    return text;
}

constexpr const char* kCategories[] = {
    "short-constraint", "feature-name",      "unclosed-block",   "second-query",
    "early-end",        "lost-feature",      "jcl-feature",      "undefined-feature",
    "undefined-option", "same-translation",  "missing-feature",  "installable-group"};

bool IsKnownCategory(const char* category) {
    for (const char* known : kCategories) {
        if (std::strcmp(known, category) == 0) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    const std::int64_t lastLine = CountLines(bytes);

    std::int64_t previous = 1;
    for (const marlow::PpdLineStatement& statement : marlow::ReadPpdLines(bytes)) {
        Require(statement.nLine >= previous && statement.nLine <= lastLine, "statement line outside the file");
        previous = statement.nLine;
    }

    const std::vector<marlow::LintFinding> findings = marlow::LintPpd(bytes);
    for (const marlow::LintFinding& finding : findings) {
        if (!(finding.nLine >= 0 && finding.nLine <= lastLine)) {
            std::fprintf(stderr, "finding at line %lld of %lld: %s\n", static_cast<long long>(finding.nLine),
                         static_cast<long long>(lastLine), finding.message.c_str());
            std::abort();
        }
        Require(finding.category != nullptr && IsKnownCategory(finding.category), "unknown category");
        Require(!finding.message.empty(), "empty message");
        Require(finding.message.find_first_of("\r\n") == std::string::npos, finding.message.c_str());
    }

    const std::string text = Capture([&](std::FILE* out) { marlow::PrintLintText(findings, out); });
    std::size_t printedLines = 0;
    for (char c : text) printedLines += c == '\n' ? 1 : 0;
    Require(printedLines == findings.size(), "printed lines differ from the findings");

    const std::string json = Capture([&](std::FILE* out) { marlow::PrintLintJson(findings, out); });
    std::string problem;
    if (!marlow::IsStrictJson(json, &problem)) {
        std::fprintf(stderr, "lint JSON rejected: %s\n%s\n", problem.c_str(), json.c_str());
        std::abort();
    }
    return 0;
}
