// Reading a PPD file with a say in what follows the reading, and told where
// each feature and constraint was read: for the tools that show a file, the
// tests and fuzz targets that compare the evaluations, and the measurements
// that look at reading alone. The plug-in calls ReadPpdModel (ppd_model.h),
// which is this reading with the index and one evaluation.
#pragma once

#include <cstdint>
#include <memory>

#include "ppd/ppd_byte_source.h"
#include "ppd/ppd_keyword_table.h"
#include "ppd/ppd_model.h"
#include "ppd/ppd_read_report.h"

namespace marlow {

// What follows the reading of the statements.
enum class PpdEvaluation : std::int32_t {
    kIndexed,  // the constraint index, then one evaluation: as ReadPpdModel
    kWalked,   // no index; one evaluation walking every constraint, the reference
    kNone,     // neither: the statements only
};

// Told of each feature and each constraint that reading counts, in model
// order, with the keyword of its statement (kPpdOpenUI or
// kPpdUIConstraints) and the line that keyword token ended on.
using PpdStatementObserver = void (*)(void* context, PpdKeywordCode code, std::int64_t nLine);

struct PpdReadSettings {
    PpdEvaluation evaluation = PpdEvaluation::kIndexed;
    PpdStatementObserver pfnObserve = nullptr;  // none by default
    void* pObserverContext = nullptr;
};

// ReadPpdModel with the settings; the report may be null.
std::unique_ptr<PpdModel> ReadPpdModel(PpdReadFunction read, void* context,
                                       const PpdReadSettings& settings, PpdReadReport* pReport);

}  // namespace marlow
