// Reads the printer's PPD file into a model, one byte at a time through the
// C runtime, in text mode (which ends the input at a 0x1A byte).
#pragma once

#include "platform/windows_sdk.h"
#include "ppd/ppd_model.h"

#include <memory>

namespace marlow {

// A file that cannot be opened gives an empty model; null only when no
// model can be allocated.
std::unique_ptr<PpdModel> LoadPpdModel(const WCHAR* path);

}  // namespace marlow
