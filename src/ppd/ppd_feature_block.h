// One "*OpenUI" block: the feature's name, its default, its options, up to
// "*CloseUI" and the keyword after it.
#pragma once

#include "ppd/ppd_byte_source.h"
#include "ppd/ppd_read_report.h"
#include "ppd/ppd_records.h"

namespace marlow {

// Reads the block that follows "*OpenUI" into the new feature: kNone when it
// ended properly with "*CloseUI" and one more token, else what ended it.
// Whatever ends the block, the feature keeps what was read, an option cut
// off by the end of the input included.
PpdReadStop ReadFeatureBlock(PpdByteSource& source, char16_t* tokenBuffer, PpdFeature& feature);

}  // namespace marlow
