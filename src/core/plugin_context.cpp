#include "core/plugin_context.h"

#include "ppd/ppd_model.h"

namespace marlow {

// Out of line, where PpdModel is a complete type.
PluginContext::PluginContext() = default;
PluginContext::~PluginContext() = default;

}  // namespace marlow
