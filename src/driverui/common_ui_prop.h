// CommonUIProp of the plug-in object: the counting and filling calls in
// which the plug-in adjusts the host's items.
#pragma once

#include "frame/plugin_context.h"

namespace marlow {

// Always S_OK: a failed step leaves the host's items as they were.
HRESULT CommonUIProp(PluginContext& context, DWORD dwMode, POEMCUIPPARAM pOemCUIPParam);

}  // namespace marlow
