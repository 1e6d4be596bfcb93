// The host's DocumentPropertySheets requests: the plug-in's own pages on the
// document-properties sheet, and the answers to the sheet's other requests.
#pragma once

#include "core/plugin_context.h"

namespace marlow {

// S_OK with PROPSHEETUI_INFO's Result written; E_FAIL with
// ERROR_INVALID_PARAMETER as last error (and Result untouched) when the
// record is missing or not of version 0x0100.
[[nodiscard]] HRESULT AnswerDocumentSheetRequest(PluginContext& context,
                                                 PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam);

}  // namespace marlow
