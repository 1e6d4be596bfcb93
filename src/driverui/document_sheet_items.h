// The filling call on the document-properties sheet: the item callback is
// installed, the host's layout items are hidden (unless the platform is
// legacy), choices that the installed hardware rules out get the warning
// overlay, and the colour-mode item is disabled while colour is off.
#pragma once

#include "core/plugin_context.h"

namespace marlow {

void AdjustDocumentSheetItems(PluginContext& context, OEMCUIPPARAM& param);

}  // namespace marlow
