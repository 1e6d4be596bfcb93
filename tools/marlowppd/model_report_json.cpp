#include "model_report.h"
#include "report_writer.h"

namespace marlow {

namespace {

const char* StopName(PpdReadStop stop) {
    switch (stop) {
    case PpdReadStop::kInputEnded:
        return "input-ended";
    case PpdReadStop::kSecondQuery:
        return "second-query";
    case PpdReadStop::kOutOfMemory:
        return "out-of-memory";
    default:
        return "none";
    }
}

void PrintReading(const PpdReadReport& report, ReportWriter& writer) {
    const char16_t* statement =
        report.StoppedEarly() ? PpdKeywordTable[report.statementCode].wszKeyword : u"";
    writer.WriteAscii("  \"reading\": {\"complete\": ");
    writer.WriteAscii(report.StoppedEarly() ? "false" : "true");
    writer.WriteAscii(", \"stop\": \"");
    writer.WriteAscii(StopName(report.stop));
    writer.WriteAscii("\", \"statement\": ");
    writer.WriteQuoted(statement, MeasureText(statement));
    writer.WriteAscii(", \"byte\": ");
    writer.WriteDecimal(report.nByteOffset);
    writer.WriteAscii(", \"line\": ");
    writer.WriteDecimal(report.nLine);
    writer.WriteAscii("},\n");
}

// A separator before every element but the first; the closing bracket
// on a line of its own when there was an element.
const char* Separator(std::int32_t index) { return index == 0 ? "\n" : ",\n"; }

void PrintOptions(const PpdFeature& feature, ReportWriter& writer) {
    writer.WriteAscii("\"options\": [");
    for (std::int32_t i = 0; i < feature.GetOptionCount(); ++i) {
        const PpdOption& option = *feature.GetPpdOption(i);
        writer.WriteAscii(Separator(i));
        writer.WriteAscii("      {\"keyword\": ");
        writer.WriteQuoted(option.keyword);
        writer.WriteAscii(", \"translation\": ");
        writer.WriteQuoted(option.translation);
        writer.WriteAscii(option.bConstrained != 0 ? ", \"constrained\": true}"
                                                   : ", \"constrained\": false}");
    }
    writer.WriteAscii(feature.GetOptionCount() > 0 ? "\n    ]}" : "]}");
}

void PrintFeatures(const PpdModel& model, ReportWriter& writer) {
    writer.WriteAscii("  \"features\": [");
    for (std::int32_t i = 0; i < model.GetFeatureCount(); ++i) {
        const PpdFeature& feature = *model.GetPpdFeature(i);
        writer.WriteAscii(Separator(i));
        writer.WriteAscii("    {\"keyword\": ");
        writer.WriteQuoted(feature.keyword);
        writer.WriteAscii(", \"translation\": ");
        writer.WriteQuoted(feature.translation);
        writer.WriteAscii(", \"group\": ");
        writer.WriteQuoted(feature.groupKeyword);
        writer.WriteAscii(", \"default\": ");
        writer.WriteQuoted(feature.defaultOption);
        writer.WriteAscii(", ");
        PrintOptions(feature, writer);
    }
    writer.WriteAscii(model.GetFeatureCount() > 0 ? "\n  ],\n" : "],\n");
}

void PrintInstallables(const PpdModel& model, ReportWriter& writer) {
    writer.WriteAscii("  \"installables\": [");
    for (std::int32_t i = 0; i < model.GetInstallableCount(); ++i) {
        const InstallableSelection& selection = *model.GetInstallableSelection(i);
        writer.WriteAscii(Separator(i));
        writer.WriteAscii("    {\"keyword\": ");
        writer.WriteQuoted(selection.keyword);
        writer.WriteAscii(", \"current\": ");
        writer.WriteQuoted(selection.currentOption);
        writer.WriteAscii("}");
    }
    writer.WriteAscii(model.GetInstallableCount() > 0 ? "\n  ],\n" : "],\n");
}

void PrintConstraints(const PpdModel& model, ReportWriter& writer) {
    writer.WriteAscii("  \"constraints\": [");
    for (std::int32_t i = 0; i < model.GetConstraintCount(); ++i) {
        const UiConstraint& constraint = *model.GetUiConstraint(i);
        writer.WriteAscii(Separator(i));
        writer.WriteAscii("    [");
        writer.WriteQuoted(constraint.firstFeature);
        writer.WriteAscii(", ");
        writer.WriteQuoted(constraint.firstOption);
        writer.WriteAscii(", ");
        writer.WriteQuoted(constraint.secondFeature);
        writer.WriteAscii(", ");
        writer.WriteQuoted(constraint.secondOption);
        writer.WriteAscii("]");
    }
    writer.WriteAscii(model.GetConstraintCount() > 0 ? "\n  ]\n" : "]\n");
}

}  // namespace

void PrintModelJson(const PpdModel& model, const PpdReadReport& report, std::FILE* out) {
    ReportWriter writer(out);
    writer.WriteAscii("{\n");
    PrintReading(report, writer);
    PrintFeatures(model, writer);
    PrintInstallables(model, writer);
    PrintConstraints(model, writer);
    writer.WriteAscii("}\n");
}

}  // namespace marlow
