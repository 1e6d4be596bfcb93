#include "ppd/ppd_byte_source.h"

namespace marlow {

PpdByteSource::PpdByteSource(PpdReadFunction read, void* context)
    : pfnRead_(read), nLookAhead_(-1), pContext_(context), nBytesTaken_(0), nLineFeedsTaken_(0) {}

PpdByteSource::~PpdByteSource() = default;

}  // namespace marlow
