// The check made before the Extended Settings page is left or applied: a
// stored job needs its user name and job name, and a confidential one its
// password too. Incomplete input is shown in a warning box owned by the page.
#pragma once

#include "core/plugin_context.h"

namespace marlow {

// True when the input may be saved; false after the box has been shown.
[[nodiscard]] bool ValidateJobSettings(HWND hDlg, const PluginContext& context);

}  // namespace marlow
