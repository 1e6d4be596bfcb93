#include "model_report.h"
#include "report_writer.h"

namespace marlow {

namespace {

void PrintReading(const PpdModel& model, const PpdReadReport& report, ReportWriter& writer,
                  std::FILE* out) {
    writer.WriteAscii(report.StoppedEarly() ? "reading stopped at byte "
                                            : "reading complete at byte ");
    writer.WriteDecimal(report.nByteOffset);
    writer.WriteAscii(", line ");
    writer.WriteDecimal(report.nLine);
    if (report.StoppedEarly()) {
        writer.WriteAscii(": ");
        DescribeReadStop(model, report, out);
    }
    writer.WriteAscii("\n");
}

void PrintFeature(const PpdFeature& feature, ReportWriter& writer) {
    writer.WriteAscii("feature ");
    writer.WriteQuoted(feature.keyword);
    writer.WriteAscii(" translation ");
    writer.WriteQuoted(feature.translation);
    writer.WriteAscii(" group ");
    writer.WriteQuoted(feature.groupKeyword);
    writer.WriteAscii(" default ");
    writer.WriteQuoted(feature.defaultOption);
    writer.WriteAscii("\n");
    for (std::int32_t i = 0; i < feature.GetOptionCount(); ++i) {
        const PpdOption& option = *feature.GetPpdOption(i);
        writer.WriteAscii("  option ");
        writer.WriteQuoted(option.keyword);
        writer.WriteAscii(" translation ");
        writer.WriteQuoted(option.translation);
        writer.WriteAscii(option.bConstrained != 0 ? " constrained\n" : "\n");
    }
}

void PrintConstraint(const UiConstraint& constraint, ReportWriter& writer) {
    writer.WriteAscii("constraint ");
    writer.WriteQuoted(constraint.firstFeature);
    writer.WriteAscii(" ");
    writer.WriteQuoted(constraint.firstOption);
    writer.WriteAscii(" ");
    writer.WriteQuoted(constraint.secondFeature);
    writer.WriteAscii(" ");
    writer.WriteQuoted(constraint.secondOption);
    writer.WriteAscii("\n");
}

}  // namespace

void PrintModelText(const PpdModel& model, const PpdReadReport& report, std::FILE* out) {
    ReportWriter writer(out);
    PrintReading(model, report, writer, out);
    writer.WriteAscii("features ");
    writer.WriteDecimal(model.GetFeatureCount());
    writer.WriteAscii("\n");
    for (std::int32_t i = 0; i < model.GetFeatureCount(); ++i) {
        PrintFeature(*model.GetPpdFeature(i), writer);
    }
    writer.WriteAscii("installables ");
    writer.WriteDecimal(model.GetInstallableCount());
    writer.WriteAscii("\n");
    for (std::int32_t i = 0; i < model.GetInstallableCount(); ++i) {
        const InstallableSelection& selection = *model.GetInstallableSelection(i);
        writer.WriteAscii("installable ");
        writer.WriteQuoted(selection.keyword);
        writer.WriteAscii(" current ");
        writer.WriteQuoted(selection.currentOption);
        writer.WriteAscii("\n");
    }
    writer.WriteAscii("constraints ");
    writer.WriteDecimal(model.GetConstraintCount());
    writer.WriteAscii("\n");
    for (std::int32_t i = 0; i < model.GetConstraintCount(); ++i) {
        PrintConstraint(*model.GetUiConstraint(i), writer);
    }
}

void DescribeReadStop(const PpdModel& model, const PpdReadReport& report, std::FILE* out) {
    ReportWriter writer(out);
    if (report.stop == PpdReadStop::kOutOfMemory) {
        writer.WriteAscii("out of memory");
        return;
    }
    const char16_t* statement = PpdKeywordTable[report.statementCode].wszKeyword;
    const PpdFeature* last = model.GetPpdFeature(model.GetFeatureCount() - 1);
    writer.WriteAscii(report.stop == PpdReadStop::kSecondQuery ? "a second query statement in the "
                                                               : "the input ended inside the ");
    writer.WriteUtf8(statement, MeasureText(statement));
    if (report.statementCode == kPpdOpenUI && last != nullptr) {
        writer.WriteAscii(" block of ");
        writer.WriteQuoted(last->keyword);
    } else {
        writer.WriteAscii(" statement");
    }
}

}  // namespace marlow
