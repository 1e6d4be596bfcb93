// The host's two CommonUIProp calls per sheet: in the counting call the
// plug-in reads the PPD file and asks the host for the installed options; in
// the filling call it hides, marks and disables the host's items.
#pragma once

#include "core/plugin_context.h"

namespace marlow {

// Always S_OK: a failed step leaves the host's items as they were.
HRESULT AdjustHostItems(PluginContext& context, DWORD dwMode, POEMCUIPPARAM pOemCUIPParam);

}  // namespace marlow
