// The host's DocumentPropertySheets requests: the plug-in's own pages on the
// document-properties sheet, and the answers to the sheet's other requests.
#pragma once

#include "core/plugin_context.h"

namespace marlow {

HRESULT AnswerDocumentSheetRequest(PluginContext& context, PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam);

}  // namespace marlow
