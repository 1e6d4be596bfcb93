// DocumentPropertySheets of the plug-in object: the plug-in's own pages.
#pragma once

#include "frame/plugin_context.h"

namespace marlow {

HRESULT DocumentPropertySheets(PluginContext& context, PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam);

}  // namespace marlow
