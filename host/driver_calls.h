// The driver's calls on a plug-in object that do not need a sheet of their
// own: the private section's size and defaults, the merge of a stored
// section into the defaults, and CommonUIProp's counting and filling calls.
#pragma once

#include "host/host_sheet.h"
#include "platform/oem_interfaces.h"

#include <cstddef>
#include <vector>

namespace marlow::host {

// The private section's defaults as the driver gets them: the size from
// DevMode(OEMDM_SIZE), the bytes from DevMode(OEMDM_DEFAULT). Empty when the
// plug-in refuses either or asks for more than maxSize bytes.
std::vector<unsigned char> GetPrivateDefaults(IPrintOemUI2& plugin, HANDLE hPrinter = nullptr,
                                              std::size_t maxSize = 0x10000);

// DevMode(OEMDM_MERGE) with a stored section as incoming record and the
// section (holding the defaults) as outgoing one. The plug-in reads the
// incoming record through its own header, so the caller hands a copy that is
// at least as long as that header says. Returns what DevMode returned.
HRESULT MergePrivateSection(IPrintOemUI2& plugin, HANDLE hPrinter, const unsigned char* stored,
                            std::vector<unsigned char>& section);

// The driver's two calls: counting, then filling. Returns what the filling
// call returned (or the counting call's failure).
HRESULT RunCommonUIProp(IPrintOemUI2& plugin, HostSheet& sheet);

}  // namespace marlow::host
