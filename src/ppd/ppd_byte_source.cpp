#include "ppd/ppd_byte_source.h"

#include "ppd/ppd_input.h"

namespace marlow {

PpdByteSource::PpdByteSource(PpdReadFunction read, void* context)
    : pfnRead_(read),
      pContext_(context),
      pFile_(read == ReadPpdFileByte ? static_cast<std::FILE*>(context) : nullptr),
      nBytesTaken_(0),
      nLineFeedsTaken_(0) {}

}  // namespace marlow
