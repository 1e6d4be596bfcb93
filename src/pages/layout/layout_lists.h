// The six lists of the Layout page. Each entry keeps the option index of the
// host's item it stands for (its item data), so that entries left out - the
// marked options of the orientation and two-sided lists, or an entry whose
// text could not be loaded - leave no gap between position and option: a
// list is filled at its next free position and read back through the
// option its current entry keeps.
#pragma once

#include "platform/oem_records.h"

namespace marlow {

// No entry stands for this option.
constexpr LONG kNoListOption = -1;

// Empties the list.
void EmptyList(HWND list) noexcept;

// Appends an entry with a text and picture (ComboBoxEx32): the text of
// string textId, image as image and selected image, indent 0. Left out when
// the text cannot be loaded into a buffer at all.
void AppendPictureEntry(HWND list, const OEMCUIPPARAM& param, UINT textId, int image,
                        LONG option) noexcept;

// Appends an entry with a text only (plain combo box); left out likewise.
void AppendTextEntry(HWND list, const OEMCUIPPARAM& param, UINT textId, LONG option) noexcept;

// Makes the entry of this option current; no entry is current when none
// stands for it.
void SelectListOption(HWND list, LONG option) noexcept;

// The option of the current entry; kNoListOption when no entry is current.
[[nodiscard]] LONG GetListOption(HWND list) noexcept;

}  // namespace marlow
