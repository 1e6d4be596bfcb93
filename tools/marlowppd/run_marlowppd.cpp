#include "run_marlowppd.h"

#include <vector>

#include "lint_report.h"
#include "model_report.h"
#include "ppd/ppd_input.h"
#include "ppd/ppd_model.h"
#include "report_writer.h"

namespace marlow {

namespace {

bool HasInstallable(const PpdModel& model, const char16_t* keyword) {
    for (std::int32_t i = 0; i < model.GetInstallableCount(); ++i) {
        if (model.GetInstallableSelection(i)->keyword.EqualsString(keyword)) {
            return true;
        }
    }
    return false;
}

// Like the plug-in with the printer's settings: set each, evaluate once.
void ApplyInstalledOptions(const MarlowppdArguments& arguments, PpdModel& model,
                           const char* fileName, std::FILE* err) {
    if (arguments.nInstalledCount == 0) {
        return;
    }
    for (int i = 0; i < arguments.nInstalledCount; ++i) {
        const InstalledOption& installed = arguments.pInstalled[i];
        if (!HasInstallable(model, installed.wszFeature)) {
            ReportWriter writer(err);
            writer.WriteAscii("marlowppd: ");
            writer.WriteAscii(fileName);
            writer.WriteAscii(": no installable selection ");
            writer.WriteQuoted(installed.wszFeature, MeasureText(installed.wszFeature));
            writer.WriteAscii("\n");
        }
        model.SetInstalledOption(installed.wszFeature, installed.wszOption, false);
    }
    model.EvaluateConstraints();
}

void ReportStop(const PpdModel& model, const PpdReadReport& report, const char* fileName,
                std::FILE* err) {
    ReportWriter writer(err);
    writer.WriteAscii("marlowppd: ");
    writer.WriteAscii(fileName);
    writer.WriteAscii(": reading stopped early at byte ");
    writer.WriteDecimal(report.nByteOffset);
    writer.WriteAscii(", line ");
    writer.WriteDecimal(report.nLine);
    writer.WriteAscii(": ");
    DescribeReadStop(model, report, err);
    writer.WriteAscii("; the model keeps what was read\n");
}

}  // namespace

int CheckMarlowppdArguments(int argc, char16_t** argv, MarlowppdArguments& arguments,
                            std::FILE* out, std::FILE* err, bool* pbDone) {
    const char* problem = "";
    *pbDone = true;
    switch (ParseMarlowppdArguments(argc, argv, arguments, &problem)) {
    case ArgumentsResult::kHelp:
        std::fputs(kMarlowppdUsage, out);
        return kExitComplete;
    case ArgumentsResult::kOutOfMemory:
        std::fputs("marlowppd: out of memory\n", err);
        return kExitUsageOrFile;
    case ArgumentsResult::kInvalid:
        std::fprintf(err, "marlowppd: %s\n%s", problem, kMarlowppdUsage);
        return kExitUsageOrFile;
    default:
        *pbDone = false;
        return kExitComplete;
    }
}

int RunMarlowppd(const MarlowppdArguments& arguments, const char* fileName, std::FILE* ppd,
                 std::FILE* out, std::FILE* err) {
    if (arguments.bLint) {
        // The bytes as the plug-in gets them, through the same read function.
        std::vector<unsigned char> bytes;
        for (int c = ReadPpdFileByte(ppd); c >= 0; c = ReadPpdFileByte(ppd)) {
            bytes.push_back(static_cast<unsigned char>(c));
        }
        const std::vector<LintFinding> findings = LintPpd(bytes);
        if (arguments.bJson) {
            PrintLintJson(findings, out);
        } else {
            PrintLintText(findings, out);
        }
        return findings.empty() ? kExitComplete : kExitStoppedEarly;
    }
    PpdReadReport report;
    std::unique_ptr<PpdModel> model = ReadPpdModel(ReadPpdFileByte, ppd, &report);
    if (!model) {
        std::fputs("marlowppd: out of memory\n", err);
        return kExitUsageOrFile;
    }
    ApplyInstalledOptions(arguments, *model, fileName, err);
    if (arguments.bJson) {
        PrintModelJson(*model, report, out);
    } else {
        PrintModelText(*model, report, out);
    }
    if (report.StoppedEarly()) {
        ReportStop(*model, report, fileName, err);
        return kExitStoppedEarly;
    }
    return kExitComplete;
}

}  // namespace marlow
