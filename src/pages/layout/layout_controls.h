// The controls of the Layout page (dialog 11001) and how they follow the
// host's layout items: the label texts and picture lists set up when the
// page opens, and the rebuild of every bound control from the items each
// time the page is shown or hidden. Each operation is given the page window.
#pragma once

#include "pages/layout/common_controls_api.h"
#include "platform/oem_records.h"

namespace marlow {

// The label texts of the string tables over the template's; the 5.x build
// hides the arrangement, binding-edge and borders controls, which it does
// not use, and sets only the labels it shows.
void SetLayoutLabels(HWND hDlg, const OEMCUIPPARAM& param) noexcept;

// The seventeen pictures of the three picture lists, from the module's
// icons (a missing icon moves the later ones up); no list when the common
// controls cannot make one.
[[nodiscard]] UniqueImageList CreateLayoutImageList(const OEMCUIPPARAM& param) noexcept;

// Hands the image list to the three picture lists (they do not own it).
void SetLayoutImageList(HWND hDlg, HIMAGELIST hImageList) noexcept;

// Rebuilds every bound control from the host's items.
void SyncLayoutControls(HWND hDlg, const OEMCUIPPARAM& param) noexcept;

// Fills the two-sided list from the item: its pictures for the landscape
// orientation when landscape is set.
void FillDuplexList(HWND hDlg, const OEMCUIPPARAM& param, const OPTITEM& item, bool landscape) noexcept;

}  // namespace marlow
