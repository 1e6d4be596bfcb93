// What the driver hands the plug-in's property-sheet calls as lParamInit:
// the sheet's records of its item calls, as they stand.
#pragma once

#include "platform/oem_records.h"

namespace marlow::host {

OEMUIPSPARAM MakePropertySheetParam(const OEMCUIPPARAM& cuip);

}  // namespace marlow::host
