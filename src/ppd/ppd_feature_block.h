// One "*OpenUI" block: the feature's name, its default, its options, up to
// "*CloseUI" and the keyword after it.
#pragma once

#include <memory>

#include "ppd/ppd_byte_source.h"
#include "ppd/ppd_records.h"

namespace marlow {

enum class PpdBlockEnd {
    kClosed,       // "*CloseUI" and one more token
    kInputEnded,   // the input ended first
    kSecondQuery,  // a second "*?" statement
    kOutOfMemory,  // no room for an option
};

// A new feature with its option array at the starting capacity; null when
// either allocation fails.
std::unique_ptr<PpdFeature> CreatePpdFeature();

// Reads the block that follows "*OpenUI" into the new feature. Whatever
// ends the block, the feature keeps what was read, an option cut off by the
// end of the input included.
PpdBlockEnd ReadFeatureBlock(PpdByteSource& source, char16_t* tokenBuffer, PpdFeature& feature);

}  // namespace marlow
