// The size of an application's output buffer, as DrvDocumentPropertySheets
// may use it. Windows' winspool passes in cbOut the size of the driver's
// settings, which the application allocated as its size query told it.
// Wine 8's winspool passes instead the dmSize that the output buffer happens
// to hold (garbage in a fresh buffer, the public part alone in a filled
// one): under Wine the size the size query answers stands in for it, as on
// Windows; elsewhere cbOut is taken as it comes.
#pragma once

#include "host/ui_module/driver_entry_records.h"

namespace marlow::host {

bool IsRunningOnWine();

DWORD GetOutputBufferSize(const DOCUMENTPROPERTYHEADER& header, DWORD settingsSize);

}  // namespace marlow::host
