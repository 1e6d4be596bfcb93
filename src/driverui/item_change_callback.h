// The item callback the plug-in registers on the document sheet: it keeps
// the printer's colour-mode item in step with the host's colour item, and when
// the sheet applies it reports the layout items the Layout page changed.
#pragma once

#include "platform/oem_records.h"

namespace marlow {

// The host's OEMCUIPCALLBACK. Answers CPSUICB_ACTION_OPTIF_CHANGED, or
// CPSUICB_ACTION_ITEMS_APPLIED for an apply.
LONG APIENTRY ItemChangeCallback(PCPSUICBPARAM pCallbackParam, POEMCUIPPARAM pOemCUIPParam);

}  // namespace marlow
