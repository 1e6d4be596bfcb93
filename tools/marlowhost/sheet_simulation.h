// The second part of marlowhost's report: the document and printer sheets
// built from the PPD, after CommonUIProp, a colour change and an apply.
#pragma once

#include "command_line.h"
#include "host/plugin_session.h"

#include <cstdio>

namespace marlow::host {

void SimulateDocumentSheet(std::FILE* out, PluginSession& session, const HostOptions& options);
void SimulatePrinterSheet(std::FILE* out, PluginSession& session, const HostOptions& options);

}  // namespace marlow::host
