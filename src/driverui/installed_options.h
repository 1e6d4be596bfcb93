// Brings the model's installed hardware in line with the printer's settings,
// asked of the host, and evaluates the constraints once.
#pragma once

#include "core/plugin_context.h"

namespace marlow {

void ApplyInstalledOptions(PluginContext& context, POEMUIOBJ poemuiobj);

}  // namespace marlow
