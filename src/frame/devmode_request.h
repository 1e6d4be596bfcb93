// The host's DevMode requests on the private section: size, defaults,
// convert and merge.
#pragma once

#include "platform/oem_records.h"

namespace marlow {

// S_OK for the four known modes, whatever the merge reports; E_FAIL with
// ERROR_INVALID_PARAMETER as last error for a missing record or another mode.
[[nodiscard]] HRESULT HandleDevModeRequest(DWORD dwMode, POEMDMPARAM pOemDMParam) noexcept;

}  // namespace marlow
