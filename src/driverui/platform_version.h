// Whether the platform we run on is older than 5.1 with service pack 3: there
// the host keeps its own layout items and the plug-in adds no Layout page.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

// Below 5.0, 5.0 itself, and 5.1 before service pack 3. A failed version
// query counts as a current platform.
[[nodiscard]] BOOL DetectLegacyPlatform() noexcept;

}  // namespace marlow
