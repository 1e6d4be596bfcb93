// The host's layout items as the Layout page sees them: found by DMPubID,
// their current option and the conflict marks of their options. The host's
// records are read defensively: a Sel outside the item's options means "no
// current option", never an index to read with.
#pragma once

#include "platform/oem_records.h"

namespace marlow {

// Whether this is the build for the newer platform generation, whose page
// also offers the arrangement, the booklet binding edge and the borders.
#if NTDDI_VERSION >= 0x06000000
constexpr bool kNewerPlatformGeneration = true;
#else
constexpr bool kNewerPlatformGeneration = false;
#endif

// DMPubIDs of the newer platform generation's layout items (the 5.x build's
// headers lack them; its page does not use them).
constexpr BYTE kNupDirectionItem = 18;
constexpr BYTE kBookletEdgeItem = 21;

// The option index of booklet in the pages-per-sheet item.
constexpr LONG kBookletOption = 6;

// The first item, in array order, with this DMPubID; null when there is none.
[[nodiscard]] OPTITEM* FindFirstLayoutItem(const OEMCUIPPARAM& param, BYTE dmPubId) noexcept;

// Whether the array holds the full layout set (an item with DMPUB_PAGEORDER).
[[nodiscard]] bool HasFullLayoutItemSet(const OEMCUIPPARAM& param) noexcept;

// Whether the page works with the item at all (it has an option type).
[[nodiscard]] inline bool IsBoundItem(const OPTITEM* item) noexcept {
    return item != nullptr && item->pOptType != nullptr;
}

// The number of options the item offers (0 without an option type).
[[nodiscard]] LONG CountItemOptions(const OPTITEM& item) noexcept;

// Whether option lies within 0 .. Count - 1.
[[nodiscard]] bool IsItemOption(const OPTITEM& item, LONG option) noexcept;

// Whether the option carries the conflict mark; false for an option the
// item does not have or whose parameters are missing.
[[nodiscard]] bool IsOptionMarked(const OPTITEM& item, LONG option) noexcept;

// Whether the current option (Sel) carries the conflict mark; false when
// Sel names no option.
[[nodiscard]] inline bool IsCurrentOptionMarked(const OPTITEM& item) noexcept {
    return IsOptionMarked(item, item.Sel);
}

// Writes the selection the page made and notes that the item changed.
inline void SetItemSelection(OPTITEM& item, LONG option) noexcept {
    item.Sel = option;
    item.Flags |= OPTIF_CHANGEONCE;
}

}  // namespace marlow
