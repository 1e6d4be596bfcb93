// The first part of marlowhost's report: what the plug-in object answers
// about itself and its private settings section.
#pragma once

#include "host/plugin_library.h"

#include <cstdio>

namespace marlow::host {

// 0 when every call answered; otherwise the status to exit with.
int ReportPluginFrame(std::FILE* out, PluginLibrary& library);

}  // namespace marlow::host
