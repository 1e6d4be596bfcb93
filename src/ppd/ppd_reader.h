// The reading steps behind ReadPpdModel, for the reader's own files and for
// measurements that look at reading apart from the constraint evaluation.
#pragma once

#include "ppd/ppd_byte_source.h"
#include "ppd/ppd_model.h"
#include "ppd/ppd_read_report.h"

namespace marlow {

// Reads the statements of the whole input into the empty model, through
// tokenBuffer (kPpdTokenBufferUnits units). Does not evaluate constraints.
void ReadPpdStatements(PpdModel& model, PpdByteSource& source, char16_t* tokenBuffer,
                       PpdReadReport& report);

}  // namespace marlow
