// The plug-in configuration file and the plug-ins it names. Exactly one .ini
// among an install section's dependent files; its [OEMFiles] keys
// OEMConfigFileN (user-interface plug-ins) and OEMDriverFileN (rendering
// plug-ins) numbered from 1 without gaps, no blanks around '=', plain file
// names; each file it names copied as a dependent file (never the driver or
// configuration module) and present for every architecture; each plug-in DLL
// of the machine type of its architecture and with the surface the oldest
// platform of that architecture's models section loads.
#pragma once

#include "package_context.h"

namespace marlow {

void CheckConfigurationFiles(PackageContext& context);

}  // namespace marlow
