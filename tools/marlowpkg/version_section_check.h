// [Version] of a printer INF: the NT signature, the printer class and its
// identifier, a provider, DriverVer as mm/dd/yyyy,w.x.y.z, a catalog named.
#pragma once

#include "package_context.h"

namespace marlow {

void CheckVersionSection(PackageContext& context);

}  // namespace marlow
