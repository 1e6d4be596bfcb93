// The reading steps behind ReadPpdModel, for the reader's own files, for
// tools that follow the reading statement by statement, and for
// measurements that look at reading apart from the constraint evaluation.
#pragma once

#include "ppd/ppd_byte_source.h"
#include "ppd/ppd_model_builder.h"
#include "ppd/ppd_read_report.h"

namespace marlow {

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

// Reads the statements of the whole input into the builder's empty model.
// Does not evaluate constraints.
void ReadPpdStatements(PpdModelBuilder& builder, PpdByteSource& source, char16_t* tokenBuffer,
                       PpdReadReport& report);

}  // namespace marlow
