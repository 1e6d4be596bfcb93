// Item arrays the way the PostScript driver builds them for its two sheets
// from the printer's PPD file and its standard settings: the standard items
// with their DMPubIDs, then an item for each other PPD feature, named by the
// feature's translation, with the 8-bit keyword in USERDATA and the option
// translations as the choices.
#pragma once

#include "host/item_array.h"
#include "host/printer_ppd.h"

#include <vector>

namespace marlow::host {

// DMPubIDs that this toolchain's headers declare for the newer platform
// generation only; the host kit builds them in every build.
constexpr BYTE kDmpubNupDirection = 18;
constexpr BYTE kDmpubManualDuplex = 19;
constexpr BYTE kDmpubStaple = 20;
constexpr BYTE kDmpubBookletEdge = 21;

// The host's resource ids among the printer sheet's item names.
constexpr WORD kFormTrayAssignName = 64798;
constexpr WORD kInitialTreeItemName = 400;

std::vector<HostItemDescription> BuildDocumentItemDescriptions(const PrinterPpd& ppd);
std::vector<HostItemDescription> BuildPrinterItemDescriptions(const PrinterPpd& ppd);

}  // namespace marlow::host
