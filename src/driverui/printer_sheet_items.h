// The filling call on the printer-properties sheet: the host's form-to-tray
// assignment group goes, and one item becomes the tree's initial item.
#pragma once

#include "platform/oem_records.h"

namespace marlow {

// The host's own resource ids, as they arrive in pName.
constexpr ULONG_PTR kInitialTreeItemName = 400;

void AdjustPrinterSheetItems(OEMCUIPPARAM& param);

}  // namespace marlow
