// [Manufacturer] to the models sections to the install sections: each
// decorated models section the manufacturer line names exists, each
// architecture the package carries files for finds a models section (x64
// only through a decoration for amd64), each model names an install section
// that exists, no hardware id stands for two models. Records in the context
// the models, the install sections with the architectures that reach them,
// and the oldest platform each architecture's models section is for.
#pragma once

#include "package_context.h"

namespace marlow {

void CheckModels(PackageContext& context);

}  // namespace marlow
