// Reading a PPD file into the model. The reader is token-driven, not
// line-driven: it acts on a handful of statement keywords and skips every
// other token by itself. It reports no error; whatever stops it, the model
// keeps everything counted so far.
#include "ppd/ppd_reader.h"

#include <memory>
#include <new>

#include "ppd/ppd_feature_block.h"
#include "ppd/ppd_keyword_table.h"
#include "ppd/ppd_model_builder.h"
#include "ppd/ppd_statement_tokens.h"
#include "ppd/ppd_token.h"

namespace marlow {

namespace {

// Reads the file-level statements one at a time into the model of the
// builder, through tokenBuffer (kPpdTokenBufferUnits units). The builder's
// model must have been started.
class PpdStatementReader {
public:
    PpdStatementReader(PpdModelBuilder& builder, PpdByteSource& source,
                       char16_t* tokenBuffer) noexcept;
    PpdStatementReader(const PpdStatementReader&) = delete;
    PpdStatementReader& operator=(const PpdStatementReader&) = delete;

    // The next file-level token, looked up in the keyword table (code 0 for
    // every other token). False at the end of the input.
    [[nodiscard]] bool ReadKeyword(PpdKeywordCode* pCode);

    // Acts on a file-level keyword, reading what it takes after it; every
    // other token is skipped by itself. kNone to go on, else what ends
    // reading.
    [[nodiscard]] PpdReadStop ReadStatement(PpdKeywordCode code);

private:
    // The group open at file level; local to one reading.
    struct CurrentGroup {
        PpdText keyword;
        PpdText translation;
    };

    PpdReadStop ReadOpenGroupStatement();
    PpdReadStop ReadFeatureStatement();
    PpdReadStop ReadConstraintStatement();

    PpdModelBuilder& builder_;
    PpdByteSource& source_;
    char16_t* tokenBuffer_;
    CurrentGroup group_;
};

PpdStatementReader::PpdStatementReader(PpdModelBuilder& builder, PpdByteSource& source,
                                       char16_t* tokenBuffer) noexcept
    : builder_(builder), source_(source), tokenBuffer_(tokenBuffer) {}

bool PpdStatementReader::ReadKeyword(PpdKeywordCode* pCode) {
    if (!ReadPpdTokenPrefix(source_, tokenBuffer_)) {
        return false;
    }
    *pCode = LookUpPpdKeyword(tokenBuffer_);
    return true;
}

PpdReadStop PpdStatementReader::ReadOpenGroupStatement() {
    group_.keyword.Clear();
    group_.translation.Clear();
    return ReadNameToken(source_, tokenBuffer_, group_.keyword, group_.translation)
               ? PpdReadStop::kNone
               : PpdReadStop::kInputEnded;
}

// "*OpenUI": a new feature, counted whether its block ends properly or not,
// unless memory for it or its installable selection runs out.
PpdReadStop PpdStatementReader::ReadFeatureStatement() {
    PpdFeature* feature = builder_.StartFeature(group_.keyword);
    if (feature == nullptr) {
        return PpdReadStop::kOutOfMemory;
    }
    const PpdReadStop stop = ReadFeatureBlock(source_, tokenBuffer_, *feature);
    if (!builder_.FinishFeature(stop == PpdReadStop::kNone)) {
        return PpdReadStop::kOutOfMemory;
    }
    return stop;
}

// "*UIConstraints": always four value tokens, wherever they stand. The
// constraint is counted with the texts it got, empty ones for the rest.
PpdReadStop PpdStatementReader::ReadConstraintStatement() {
    if (!builder_.StartConstraint()) {
        return PpdReadStop::kOutOfMemory;
    }
    PpdText texts[4];
    PpdReadStop stop = PpdReadStop::kNone;
    for (PpdText& text : texts) {
        if (!ReadValueToken(source_, tokenBuffer_, text)) {
            stop = PpdReadStop::kInputEnded;
            break;
        }
    }
    return builder_.AddConstraint(texts) ? stop : PpdReadStop::kOutOfMemory;
}

PpdReadStop PpdStatementReader::ReadStatement(PpdKeywordCode code) {
    switch (code) {
    case kPpdOpenGroup:
        return ReadOpenGroupStatement();
    case kPpdCloseGroup:
        // The group name after it is then skipped as an ordinary token.
        group_.keyword.Clear();
        group_.translation.Clear();
        return PpdReadStop::kNone;
    case kPpdOpenUI:
        return ReadFeatureStatement();
    case kPpdUIConstraints:
        return ReadConstraintStatement();
    case kPpdLanguageEncoding:
    case kPpdLanguageVersion:
    case kPpdManufacturer:
    case kPpdModelName:
    case kPpdProduct:
        // One value, not kept.
        return SkipPpdToken(source_, tokenBuffer_) ? PpdReadStop::kNone : PpdReadStop::kInputEnded;
    default:
        return PpdReadStop::kNone;
    }
}

void RecordEnd(PpdReadReport& report, PpdReadStop stop, PpdKeywordCode code,
               std::int64_t statementLine, const PpdByteSource& source) {
    report.stop = stop;
    report.statementCode = code;
    report.nStatementLine = statementLine;
    report.nByteOffset = source.BytesTaken();
    report.nLine = source.LineReached();
}

// Tells the observer of a feature or constraint that the statement added.
void ObserveStatement(const PpdReadSettings& settings, const PpdModel& model,
                      std::int32_t featuresBefore, std::int32_t constraintsBefore,
                      std::int64_t line) {
    if (model.GetFeatureCount() > featuresBefore) {
        settings.pfnObserve(settings.pObserverContext, kPpdOpenUI, line);
    }
    if (model.GetConstraintCount() > constraintsBefore) {
        settings.pfnObserve(settings.pObserverContext, kPpdUIConstraints, line);
    }
}

// Reads the statements of the whole input into the empty model. Does not
// evaluate constraints.
void ReadPpdStatements(PpdModel& model, PpdByteSource& source, char16_t* tokenBuffer,
                       const PpdReadSettings& settings, PpdReadReport& report) {
    PpdModelBuilder builder(model);
    if (!builder.StartModel()) {
        RecordEnd(report, PpdReadStop::kOutOfMemory, kPpdUnknown, 0, source);
        return;
    }
    PpdStatementReader reader(builder, source, tokenBuffer);
    PpdKeywordCode code = kPpdUnknown;
    while (reader.ReadKeyword(&code)) {
        const std::int64_t line = source.LineReached();
        const std::int32_t features = model.GetFeatureCount();
        const std::int32_t constraints = model.GetConstraintCount();
        const PpdReadStop stop = reader.ReadStatement(code);
        if (settings.pfnObserve != nullptr) {
            ObserveStatement(settings, model, features, constraints, line);
        }
        if (stop != PpdReadStop::kNone) {
            RecordEnd(report, stop, code, line, source);
            return;
        }
    }
    RecordEnd(report, PpdReadStop::kNone, kPpdUnknown, 0, source);
}

}  // namespace

std::unique_ptr<PpdModel> ReadPpdModel(PpdReadFunction read, void* context) {
    return ReadPpdModel(read, context, PpdReadSettings(), nullptr);
}

std::unique_ptr<PpdModel> ReadPpdModel(PpdReadFunction read, void* context,
                                       PpdReadReport* pReport) {
    return ReadPpdModel(read, context, PpdReadSettings(), pReport);
}

std::unique_ptr<PpdModel> ReadPpdModel(PpdReadFunction read, void* context,
                                       const PpdReadSettings& settings, PpdReadReport* pReport) {
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
        ReadPpdStatements(*model, *source, tokenBuffer.get(), settings, report);
    } else {
        report.stop = PpdReadStop::kOutOfMemory;
    }
    // The structure is fixed from here on. Without memory for the index the
    // evaluation walks the constraints instead, with the same marks.
    switch (settings.evaluation) {
    case PpdEvaluation::kIndexed:
        static_cast<void>(model->IndexConstraints());
        model->EvaluateConstraints();
        break;
    case PpdEvaluation::kWalked:
        model->EvaluateConstraintsByWalk();
        break;
    case PpdEvaluation::kNone:
        break;
    }
    return model;
}

}  // namespace marlow
