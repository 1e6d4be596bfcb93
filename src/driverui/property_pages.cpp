#include "driverui/property_pages.h"

#include "platform/property_sheet.h"

namespace marlow {

// The pages are not built yet: the plug-in adds none.
HRESULT AnswerDocumentSheetRequest(PluginContext&, PPROPSHEETUI_INFO, LPARAM) { return S_OK; }

}  // namespace marlow
