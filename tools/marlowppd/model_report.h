// Printing a PPD model: as text lines, or as JSON. Both list the features in
// model order with their options, then the installable selections and the
// constraints, after a first entry that says how reading ended.
#pragma once

#include <cstdio>

#include "ppd/ppd_model.h"
#include "ppd/ppd_read_report.h"

namespace marlow {

void PrintModelText(const PpdModel& model, const PpdReadReport& report, std::FILE* out);
void PrintModelJson(const PpdModel& model, const PpdReadReport& report, std::FILE* out);

// "the input ended inside the *OpenUI block of \"*A\"" and the like.
void DescribeReadStop(const PpdModel& model, const PpdReadReport& report, std::FILE* out);

}  // namespace marlow
