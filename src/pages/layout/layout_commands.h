// What the Layout page does with the user's choices: clicks and list
// selections written straight into the host's items (marked as changed),
// and the items pushed to the host when the page is left or applied.
#pragma once

#include "core/plugin_context.h"

namespace marlow {

// WM_COMMAND: the handler's answer to the dialog manager.
INT_PTR HandleLayoutCommand(HWND hDlg, const PluginContext& context, int id, UINT notification) noexcept;

// PSN_KILLACTIVE and PSN_APPLY: orientation and two-sided items that the
// page changed and whose current option is not marked go to the host.
void PushLayoutItems(const PluginContext& context) noexcept;

}  // namespace marlow
