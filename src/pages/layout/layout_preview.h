// The picture of the printed sheet on the Layout page, drawn over the area of
// control 11018 from the resource set's bitmaps: a base picture for colour,
// orientation, pages per sheet with their arrangement or booklet with its
// binding edge, and for two-sided printing an overlay of the sheet's back.
#pragma once

#include "platform/oem_records.h"

namespace marlow {

// The current options the picture shows (0 for an item the array lacks).
struct PreviewSettings {
    LONG color = 0;          // 1 colour, 0 greyscale
    LONG orientation = 0;    // 0 portrait, 1 landscape, 2 rotated landscape
    LONG duplex = 0;         // 0 one-sided, 1 short edge, 2 long edge
    LONG pagesPerSheet = 0;  // 0..5: 1, 2, 4, 6, 9, 16 pages; 6 booklet
    LONG direction = 0;      // arrangement of the pages, 0..3
    LONG bookletEdge = 0;    // 0 binding left, 1 right
};

struct PreviewBitmaps {
    UINT base = 0;
    UINT overlay = 0;  // 0: none
};

// The settings from the host's items: for each, the last item of the array
// that has its DMPubID. The 5.x build reads no arrangement and no binding
// edge (both stay 0).
[[nodiscard]] PreviewSettings ReadPreviewSettings(const OPTITEM* pItems, DWORD cItems) noexcept;

// The bitmaps for these settings; the 5.x build takes the first picture of
// each pages-per-sheet group whatever the arrangement and binding edge.
// Pages per sheet outside 0..6, or (newer build) an arrangement outside
// 0..3 where the arrangement counts, name no picture:
// base and overlay 0 (the area shows the window colour only), rather than
// the id of some other picture that the arithmetic would reach. A colour or
// orientation of neither kind keeps the first picture, 12101.
[[nodiscard]] PreviewBitmaps ChoosePreviewBitmaps(const PreviewSettings& settings) noexcept;

// The same from the item array; base 12101 and no overlay without one.
[[nodiscard]] PreviewBitmaps ChoosePreviewBitmaps(const OPTITEM* pItems, DWORD cItems) noexcept;

// Paints the page (WM_PAINT): the area of 11018 in the window colour, the
// picture centred on it, composed off screen and copied in one piece.
void PaintLayoutPreview(HWND hDlg, const OEMCUIPPARAM& param) noexcept;

}  // namespace marlow
