// Reading a PPD file into the model. The reader is token-driven, not
// line-driven: it acts on a handful of statement keywords and skips every
// other token by itself. It reports no error; whatever stops it, the model
// keeps everything counted so far.
#include "ppd/ppd_reader.h"

#include <memory>
#include <new>

#include "ppd/ppd_feature_block.h"
#include "ppd/ppd_keyword_table.h"
#include "ppd/ppd_statement_tokens.h"
#include "ppd/ppd_token.h"

namespace marlow {

namespace {

// The group open at file level; local to one reading.
struct CurrentGroup {
    PpdText keyword;
    PpdText translation;

    void Clear() {
        keyword.Clear();
        translation.Clear();
    }
};

PpdReadStop StopOfBlock(PpdBlockEnd end) {
    switch (end) {
    case PpdBlockEnd::kSecondQuery:
        return PpdReadStop::kSecondQuery;
    case PpdBlockEnd::kOutOfMemory:
        return PpdReadStop::kOutOfMemory;
    case PpdBlockEnd::kInputEnded:
        return PpdReadStop::kInputEnded;
    default:
        return PpdReadStop::kNone;
    }
}

// A feature read completely inside "InstallableOptions" brings its selection,
// current option at the feature's default. False for want of memory.
bool AddInstallableSelection(PpdPointerArray<InstallableSelection>& installables,
                             const PpdFeature& feature) {
    if (!installables.MakeRoom()) {
        return false;
    }
    std::unique_ptr<InstallableSelection> selection(new (std::nothrow) InstallableSelection);
    if (!selection) {
        return false;
    }
    selection->keyword = feature.keyword;
    selection->currentOption = feature.defaultOption;
    installables.Add(std::move(selection));
    return true;
}

// "*OpenUI": a new feature, counted whether its block ends properly or not,
// unless memory for it or its installable selection runs out.
PpdReadStop ReadFeatureStatement(PpdPointerArray<PpdFeature>& features,
                                 PpdPointerArray<InstallableSelection>& installables,
                                 const CurrentGroup& group, PpdByteSource& source,
                                 char16_t* tokenBuffer) {
    if (!features.MakeRoom()) {
        return PpdReadStop::kOutOfMemory;
    }
    std::unique_ptr<PpdFeature> feature = CreatePpdFeature();
    if (!feature) {
        return PpdReadStop::kOutOfMemory;
    }
    feature->groupKeyword = group.keyword;
    const PpdBlockEnd end = ReadFeatureBlock(source, tokenBuffer, *feature);
    if (end == PpdBlockEnd::kClosed && group.keyword.EqualsString(kInstallableOptionsGroup) &&
        !AddInstallableSelection(installables, *feature)) {
        return PpdReadStop::kOutOfMemory;
    }
    features.Add(std::move(feature));
    return StopOfBlock(end);
}

// "*UIConstraints": always four value tokens, wherever they stand. The
// constraint is counted with the texts it got, empty ones for the rest.
PpdReadStop ReadConstraintStatement(PpdPointerArray<UiConstraint>& constraints,
                                    PpdByteSource& source, char16_t* tokenBuffer) {
    if (!constraints.MakeRoom()) {
        return PpdReadStop::kOutOfMemory;
    }
    std::unique_ptr<UiConstraint> created(new (std::nothrow) UiConstraint);
    if (!created) {
        return PpdReadStop::kOutOfMemory;
    }
    UiConstraint& constraint = *created;
    constraints.Add(std::move(created));
    PpdText* const targets[] = {&constraint.firstFeature, &constraint.firstOption,
                                &constraint.secondFeature, &constraint.secondOption};
    for (PpdText* target : targets) {
        if (!ReadValueToken(source, tokenBuffer, *target)) {
            return PpdReadStop::kInputEnded;
        }
    }
    return PpdReadStop::kNone;
}

PpdReadStop ReadOpenGroupStatement(CurrentGroup& group, PpdByteSource& source,
                                   char16_t* tokenBuffer) {
    group.Clear();
    return ReadNameToken(source, tokenBuffer, group.keyword, group.translation)
               ? PpdReadStop::kNone
               : PpdReadStop::kInputEnded;
}

// Statements whose one value is read and not kept.
PpdReadStop SkipValueStatement(PpdByteSource& source, char16_t* tokenBuffer) {
    return ReadPpdToken(source, tokenBuffer, false, nullptr) ? PpdReadStop::kNone
                                                             : PpdReadStop::kInputEnded;
}

class StatementReader {
public:
    StatementReader(PpdPointerArray<PpdFeature>& features,
                    PpdPointerArray<UiConstraint>& constraints,
                    PpdPointerArray<InstallableSelection>& installables, PpdByteSource& source,
                    char16_t* tokenBuffer)
        : features_(features),
          constraints_(constraints),
          installables_(installables),
          source_(source),
          tokenBuffer_(tokenBuffer) {}

    // Acts on one file-level keyword; every other token is skipped by itself.
    PpdReadStop ReadStatement(PpdKeywordCode code) {
        switch (code) {
        case kPpdOpenGroup:
            return ReadOpenGroupStatement(group_, source_, tokenBuffer_);
        case kPpdCloseGroup:
            // The group name after it is then skipped as an ordinary token.
            group_.Clear();
            return PpdReadStop::kNone;
        case kPpdOpenUI:
            return ReadFeatureStatement(features_, installables_, group_, source_, tokenBuffer_);
        case kPpdUIConstraints:
            return ReadConstraintStatement(constraints_, source_, tokenBuffer_);
        case kPpdLanguageEncoding:
        case kPpdLanguageVersion:
        case kPpdManufacturer:
        case kPpdModelName:
        case kPpdProduct:
            return SkipValueStatement(source_, tokenBuffer_);
        default:
            return PpdReadStop::kNone;
        }
    }

private:
    PpdPointerArray<PpdFeature>& features_;
    PpdPointerArray<UiConstraint>& constraints_;
    PpdPointerArray<InstallableSelection>& installables_;
    PpdByteSource& source_;
    char16_t* tokenBuffer_;
    CurrentGroup group_;
};

void RecordEnd(PpdReadReport& report, PpdReadStop stop, PpdKeywordCode code,
               const PpdByteSource& source) {
    report.stop = stop;
    report.statementCode = code;
    report.nByteOffset = source.BytesTaken();
    report.nLine = source.LineReached();
}

}  // namespace

void ReadPpdStatements(PpdModel& model, PpdByteSource& source, char16_t* tokenBuffer,
                       PpdReadReport& report) {
    if (!model.features_.Allocate(kFirstFeatureCapacity) ||
        !model.installables_.Allocate(kFirstInstallableCapacity) ||
        !model.constraints_.Allocate(kFirstConstraintCapacity)) {
        RecordEnd(report, PpdReadStop::kOutOfMemory, kPpdUnknown, source);
        return;
    }
    StatementReader reader(model.features_, model.constraints_, model.installables_, source,
                           tokenBuffer);
    while (ReadPpdToken(source, tokenBuffer, false, nullptr)) {
        const PpdKeywordCode code = LookUpPpdKeyword(tokenBuffer);
        const PpdReadStop stop = reader.ReadStatement(code);
        if (stop != PpdReadStop::kNone) {
            RecordEnd(report, stop, code, source);
            return;
        }
    }
    RecordEnd(report, PpdReadStop::kNone, kPpdUnknown, source);
}

std::unique_ptr<PpdModel> ReadPpdModel(PpdReadFunction read, void* context) {
    return ReadPpdModel(read, context, nullptr);
}

std::unique_ptr<PpdModel> ReadPpdModel(PpdReadFunction read, void* context,
                                       PpdReadReport* pReport) {
    std::unique_ptr<PpdModel> model(new (std::nothrow) PpdModel);
    if (!model) {
        return model;
    }
    PpdReadReport localReport;
    PpdReadReport& report = pReport != nullptr ? *pReport : localReport;
    report = PpdReadReport();
    // Both live only while reading: the token buffer is 2 MiB.
    std::unique_ptr<char16_t[]> tokenBuffer(new (std::nothrow) char16_t[kPpdTokenBufferUnits]);
    std::unique_ptr<PpdByteSource> source(new (std::nothrow) PpdByteSource(read, context));
    if (tokenBuffer && source) {
        ReadPpdStatements(*model, *source, tokenBuffer.get(), report);
    } else {
        report.stop = PpdReadStop::kOutOfMemory;
    }
    model->EvaluateConstraints();
    return model;
}

}  // namespace marlow
