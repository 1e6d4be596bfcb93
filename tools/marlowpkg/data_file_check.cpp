#include "data_file_check.h"

#include <filesystem>

#include "ppd_lint.h"
#include "source_disks.h"

namespace marlow {

namespace {

void CheckOnePpd(PackageContext& context, const InstallSectionEntry& install,
                 const std::string& relative, const std::vector<unsigned char>& bytes,
                 bool bLint) {
    std::string pcFileName;
    int nLine = 0;
    if (!FindPpdValue(bytes, "*PCFileName", pcFileName, nLine)) {
        context.AddFinding(relative, 0, "ppd-file-name",
                           "the PPD has no *PCFileName; it must give its own file name, " +
                               install.dataFile);
    } else if (!EqualsIgnoringCase(pcFileName, install.dataFile)) {
        context.AddFinding(relative, nLine, "ppd-file-name",
                           "*PCFileName is \"" + pcFileName + "\", but the INF installs the PPD as " +
                               install.dataFile);
    }

    std::string nickName;
    int nNickLine = 0;
    const char* nickKeyword = "*ShortNickName";
    if (!FindPpdValue(bytes, nickKeyword, nickName, nNickLine)) {
        nickKeyword = "*NickName";
        if (!FindPpdValue(bytes, nickKeyword, nickName, nNickLine)) {
            context.AddFinding(relative, 0, "ppd-model-name",
                               "the PPD has neither *ShortNickName nor *NickName to agree with the "
                               "INF's model name");
            nickName.clear();
        }
    }
    if (!nickName.empty()) {
        for (const ModelEntry& model : context.models) {
            if (EqualsIgnoringCase(model.installSection, install.name) &&
                model.modelName != nickName) {
                context.AddInfFinding(model.nLine, "ppd-model-name",
                                      "the model \"" + model.modelName + "\" differs from " +
                                          nickKeyword + " \"" + nickName + "\" on line " +
                                          std::to_string(nNickLine) + " of " + relative);
            }
        }
    }

    if (bLint) {
        for (const LintFinding& finding : LintPpd(bytes)) {
            context.AddFinding(relative, static_cast<int>(finding.nLine), "ppd-lint",
                               std::string(finding.category) + ": " + finding.message);
        }
    }
}

}  // namespace

bool FindPpdValue(const std::vector<unsigned char>& bytes, const std::string& keyword,
                  std::string& value, int& nLine) {
    const std::string text(bytes.begin(), bytes.end());
    int line = 1;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string row = text.substr(start, end - start);
        if (row.size() > keyword.size() && row.compare(0, keyword.size(), keyword) == 0 &&
            row[keyword.size()] == ':') {
            std::string rest = row.substr(keyword.size() + 1);
            const std::size_t open = rest.find('"');
            const std::size_t close = open == std::string::npos ? open : rest.find('"', open + 1);
            if (open != std::string::npos && close != std::string::npos) {
                value = rest.substr(open + 1, close - open - 1);
            } else {
                const std::size_t first = rest.find_first_not_of(" \t");
                value = first == std::string::npos ? "" : rest.substr(first);
            }
            nLine = line;
            return true;
        }
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
        ++line;
    }
    return false;
}

void CheckDataFiles(PackageContext& context) {
    for (const InstallSectionEntry& install : context.installSections) {
        std::vector<unsigned char> first;
        std::string firstRelative;
        for (Architecture architecture : kArchitectures) {
            if (!Serves(install, architecture)) {
                continue;
            }
            SourceLocation location;
            std::string problem;
            std::filesystem::path path;
            std::vector<unsigned char> bytes;
            if (!ResolveSource(context.inf, architecture, install.dataFile, location, problem) ||
                !context.folder.FindFile(location.relative, path)) {
                continue;  // the install section's check names what is missing
            }
            if (!PackageFolder::ReadBytes(path, bytes)) {
                context.AddFinding(location.relative, 0, "data-file", "the file cannot be read");
                continue;
            }
            if (firstRelative.empty()) {
                CheckOnePpd(context, install, location.relative, bytes, true);
                first = bytes;
                firstRelative = location.relative;
            } else if (bytes != first) {
                context.AddFinding(location.relative, 0, "data-file",
                                   "differs from " + firstRelative +
                                       "; the printer would offer other choices on " +
                                       GetPlatformDisplayName(architecture));
                CheckOnePpd(context, install, location.relative, bytes, true);
            }
        }
    }
}

}  // namespace marlow
