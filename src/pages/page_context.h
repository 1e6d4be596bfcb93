// How the plug-in's pages find their PluginContext: the page record's lParam
// at WM_INITDIALOG, kept in the dialog's user data (DWLP_USER) and looked up
// afresh for every later message.
#pragma once

#include "core/plugin_context.h"

namespace marlow {

// At WM_INITDIALOG: keeps the context of the page record that initParam
// points to (null when there is no record) and returns it.
PluginContext* KeepPageContext(HWND hDlg, LPARAM initParam) noexcept;

// The context kept at initialisation; null before or without one.
[[nodiscard]] PluginContext* FindPageContext(HWND hDlg) noexcept;

}  // namespace marlow
