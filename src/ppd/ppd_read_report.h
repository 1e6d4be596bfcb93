// How reading ended, and what the reader can tell about its run for tools
// that show a PPD file. The model keeps what was read either way; nothing
// here changes it.
#pragma once

#include <cstdint>

#include "ppd/ppd_keyword_table.h"

namespace marlow {

// The one set of reading outcomes, for a statement, a feature block and the
// whole input alike.
enum class PpdReadStop : std::int32_t {
    kNone,         // nothing stopped reading: go on (or, for the input, all was read)
    kInputEnded,   // the input ended inside a statement
    kSecondQuery,  // a feature block had a second "*?" statement
    kOutOfMemory,  // an allocation failed
};

struct PpdReadReport {
    PpdReadStop stop = PpdReadStop::kNone;
    // The statement being read when reading stopped: "*OpenUI" for a feature
    // block (the last feature of the model), "*UIConstraints", "*OpenGroup",
    // one of the value statements; kPpdUnknown when there was none.
    PpdKeywordCode statementCode = kPpdUnknown;
    // Bytes taken from the read function, and the line they reached.
    std::int64_t nByteOffset = 0;
    std::int64_t nLine = 1;
    // The line that the keyword of the statement being read when reading
    // stopped ended on; 0 when there was none.
    std::int64_t nStatementLine = 0;

    bool StoppedEarly() const { return stop != PpdReadStop::kNone; }
};

}  // namespace marlow
