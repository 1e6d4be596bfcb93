// The host's standard layout items, which the plug-in's Layout page shows in
// their place. The newer platform generation has four more of them.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

// Hidden on the document sheet (unless the platform is legacy).
bool IsHiddenLayoutItem(BYTE dmPubId);

// Reported to the host when the sheet applies, if the Layout page changed them.
bool IsReportedLayoutItem(BYTE dmPubId);

}  // namespace marlow
