#include "driverui/common_ui_prop.h"

namespace marlow {

// The item adjustment is not built yet: the host's items stay as it made them.
HRESULT CommonUIProp(PluginContext&, DWORD, POEMCUIPPARAM) { return S_OK; }

}  // namespace marlow
