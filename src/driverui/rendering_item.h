// The printer's colour-mode item ("*QVRendering"), which follows the host's
// colour item: disabled while colour is off, and given the colour item's
// choice when it changes.
#pragma once

#include "core/host_items.h"

namespace marlow {

// Exactly the item whose USERDATA names the keyword "QVRendering".
inline bool IsRenderingItem(const OPTITEM& item) noexcept { return HasPpdKeyword(item, "QVRendering"); }

}  // namespace marlow
