#include "pages/layout/layout_controls.h"

#include "core/resource_string.h"
#include "pages/dialog_controls.h"
#include "pages/layout/layout_item_access.h"
#include "pages/layout/layout_lists.h"
#include "res/resource_ids.h"

#include <algorithm>
#include <iterator>

namespace marlow {
namespace {

struct LabelText {
    int controlId;
    UINT textId;
};

// The labels in the order they are set; the last three exist in the newer
// build only.
constexpr LabelText kLabels[] = {
    {IDC_ORIENTATION_LABEL, IDS_ORIENTATION_LABEL},
    {IDC_DUPLEX_LABEL, IDS_DUPLEX_LABEL},
    {IDC_PAGE_ORDER_LABEL, IDS_PAGE_ORDER_LABEL},
    {IDC_PAGE_FORMAT_GROUP, IDS_PAGE_FORMAT_GROUP},
    {IDC_PAGES_PER_SHEET_RADIO, IDS_PAGES_PER_SHEET_RADIO},
    {IDC_BOOKLET_RADIO, IDS_BOOKLET_RADIO},
    {IDC_NUP_DIRECTION_LABEL, IDS_NUP_DIRECTION_LABEL},
    {IDC_BOOKLET_EDGE_LABEL, IDS_BOOKLET_EDGE_LABEL},
    {IDC_DRAW_BORDERS, IDS_DRAW_BORDERS_CHECK},
};

constexpr std::size_t kLabelsOfOlderBuild = 6;

// Image list order: each picture, then its warning-sign variant.
constexpr WORD kListIcons[] = {
    IDI_PORTRAIT,           IDI_PORTRAIT_WARNING,           IDI_LANDSCAPE,
    IDI_LANDSCAPE_WARNING,  IDI_ROTATED_LANDSCAPE,          IDI_ROTATED_LANDSCAPE_WARNING,
    IDI_ONE_SIDED,          IDI_ONE_SIDED_WARNING,          IDI_PORTRAIT_SHORT_EDGE,
    IDI_PORTRAIT_SHORT_EDGE_WARNING, IDI_PORTRAIT_LONG_EDGE, IDI_PORTRAIT_LONG_EDGE_WARNING,
    IDI_LANDSCAPE_SHORT_EDGE, IDI_LANDSCAPE_SHORT_EDGE_WARNING, IDI_LANDSCAPE_LONG_EDGE,
    IDI_LANDSCAPE_LONG_EDGE_WARNING, IDI_WARNING_SIGN,
};
constexpr int kImageSize = 20;
constexpr int kInitialImages = 13;
constexpr int kWarningSignImage = 16;
constexpr int kNoImage = 17;  // one past the last: no picture

constexpr LONG kOrientationEntries = 3;
constexpr LONG kDuplexEntries = 3;
constexpr LONG kPageOrderEntries = 2;
constexpr LONG kPagesPerSheetEntries = 6;
constexpr LONG kDirectionEntries = 4;
constexpr LONG kBookletEdgeEntries = 2;

HWND List(HWND hDlg, int id) noexcept { return GetDlgItem(hDlg, id); }

int OrientationImage(LONG option, bool marked) { return 2 * option + (marked ? 1 : 0); }

// None and the two portrait flips follow each other; the landscape flips
// come after them.
int DuplexImage(LONG option, bool marked, bool landscape) {
    const int first = landscape && option > 0 ? 12 - 2 : 6;
    return first + 2 * option + (marked ? 1 : 0);
}

// Whether a picture list shows the marked options: always, or only when the
// current option (among those listed) is marked itself.
enum class MarkedOptions { kListed, kLeftOutUnlessCurrent };

// Fills a picture list from the item's first options.
template <typename ImageOf>
void FillPictureList(HWND list, const OEMCUIPPARAM& param, const OPTITEM& item, UINT firstText,
                     LONG maxEntries, MarkedOptions markedOptions, ImageOf imageOf) {
    EmptyList(list);
    const LONG entries = std::min(CountItemOptions(item), maxEntries);
    const bool listMarked = markedOptions == MarkedOptions::kListed ||
                            (item.Sel < maxEntries && IsCurrentOptionMarked(item));
    for (LONG option = 0; option < entries; ++option) {
        const bool marked = IsOptionMarked(item, option);
        if (marked && !listMarked) {
            continue;
        }
        AppendPictureEntry(list, param, firstText + static_cast<UINT>(option), imageOf(option, marked), option);
    }
    SelectListOption(list, item.Sel);
}

void FillTextList(HWND list, const OEMCUIPPARAM& param, const OPTITEM& item, UINT firstText, LONG maxEntries) {
    EmptyList(list);
    const LONG entries = std::min(CountItemOptions(item), maxEntries);
    for (LONG option = 0; option < entries; ++option) {
        AppendTextEntry(list, param, firstText + static_cast<UINT>(option), option);
    }
}

void DisableIfItemDisabled(HWND hDlg, const OPTITEM& item, int listId, int labelId) {
    if ((item.Flags & OPTIF_DISABLED) != 0) {
        EnableControl(hDlg, listId, false);
        EnableControl(hDlg, labelId, false);
    }
}

bool IsLandscapeSet(const OEMCUIPPARAM& param) {
    const OPTITEM* orientation = FindFirstLayoutItem(param, DMPUB_ORIENTATION);
    return orientation != nullptr && orientation->Sel != 0;
}

void SyncPagesPerSheet(HWND hDlg, const OEMCUIPPARAM& param, const OPTITEM& item, bool fullSet) {
    DisableIfItemDisabled(hDlg, item, IDC_PAGES_PER_SHEET, IDC_PAGES_PER_SHEET_RADIO);
    if (!IsBoundItem(&item)) {
        return;
    }
    const HWND list = List(hDlg, IDC_PAGES_PER_SHEET);
    FillTextList(list, param, item, IDS_PAGES_PER_SHEET_FIRST, kPagesPerSheetEntries);
    const bool booklet = fullSet && item.Sel == kBookletOption;
    CheckControl(hDlg, IDC_BOOKLET_RADIO, booklet);
    CheckControl(hDlg, IDC_PAGES_PER_SHEET_RADIO, !booklet);
    EnableControl(hDlg, IDC_PAGES_PER_SHEET, !booklet);
    if (!booklet) {
        SelectListOption(list, item.Sel);
    }
    if (!fullSet) {
        EnableControl(hDlg, IDC_BOOKLET_RADIO, false);
        return;
    }
    if (!kNewerPlatformGeneration) {
        return;
    }
    EnableControl(hDlg, IDC_NUP_DIRECTION, !booklet);
    EnableControl(hDlg, IDC_NUP_DIRECTION_LABEL, !booklet);
    EnableControl(hDlg, IDC_BOOKLET_EDGE, booklet);
    EnableControl(hDlg, IDC_BOOKLET_EDGE_LABEL, booklet);
    EnableControl(hDlg, IDC_DRAW_BORDERS, booklet || item.Sel != 0);
    CheckControl(hDlg, IDC_DRAW_BORDERS, (item.Flags & OPTIF_ECB_CHECKED) != 0);
}

void SyncTextListItem(HWND hDlg, const OEMCUIPPARAM& param, const OPTITEM& item, int listId, int labelId,
                      UINT firstText, LONG maxEntries) {
    DisableIfItemDisabled(hDlg, item, listId, labelId);
    if (IsBoundItem(&item)) {
        FillTextList(List(hDlg, listId), param, item, firstText, maxEntries);
        SelectListOption(List(hDlg, listId), item.Sel);
    }
}

void SyncItem(HWND hDlg, const OEMCUIPPARAM& param, const OPTITEM& item, bool fullSet) {
    switch (item.DMPubID) {
    case DMPUB_ORIENTATION:
        DisableIfItemDisabled(hDlg, item, IDC_ORIENTATION, IDC_ORIENTATION_LABEL);
        if (IsBoundItem(&item)) {
            FillPictureList(List(hDlg, IDC_ORIENTATION), param, item, IDS_ORIENTATION_FIRST, kOrientationEntries,
                            MarkedOptions::kLeftOutUnlessCurrent, OrientationImage);
        }
        return;
    case DMPUB_DUPLEX:
        DisableIfItemDisabled(hDlg, item, IDC_DUPLEX, IDC_DUPLEX_LABEL);
        if (IsBoundItem(&item)) {
            FillDuplexList(hDlg, param, item, IsLandscapeSet(param));
        }
        return;
    case DMPUB_NUP:
        SyncPagesPerSheet(hDlg, param, item, fullSet);
        return;
    case DMPUB_PAGEORDER:
        DisableIfItemDisabled(hDlg, item, IDC_PAGE_ORDER, IDC_PAGE_ORDER_LABEL);
        if (IsBoundItem(&item)) {
            FillPictureList(List(hDlg, IDC_PAGE_ORDER), param, item, IDS_PAGE_ORDER_FIRST, kPageOrderEntries,
                            MarkedOptions::kListed,
                            [](LONG, bool marked) { return marked ? kWarningSignImage : kNoImage; });
        }
        return;
    default:
        break;
    }
    if (!kNewerPlatformGeneration) {
        return;
    }
    if (item.DMPubID == kNupDirectionItem) {
        SyncTextListItem(hDlg, param, item, IDC_NUP_DIRECTION, IDC_NUP_DIRECTION_LABEL, IDS_NUP_DIRECTION_FIRST,
                         kDirectionEntries);
    } else if (item.DMPubID == kBookletEdgeItem) {
        SyncTextListItem(hDlg, param, item, IDC_BOOKLET_EDGE, IDC_BOOKLET_EDGE_LABEL, IDS_BOOKLET_EDGE_FIRST,
                         kBookletEdgeEntries);
    }
}

}  // namespace

void SetLayoutLabels(HWND hDlg, const OEMCUIPPARAM& param) noexcept {
    const std::size_t labels = kNewerPlatformGeneration ? std::size(kLabels) : kLabelsOfOlderBuild;
    for (std::size_t i = 0; i < labels; ++i) {
        const UniqueHeapText text =
            LoadResourceString(static_cast<HMODULE>(param.hModule), param.hOEMHeap, kLabels[i].textId);
        SendDlgItemMessageW(hDlg, kLabels[i].controlId, WM_SETTEXT, 0,
                            reinterpret_cast<LPARAM>(text ? text.Get() : L""));
    }
    if (!kNewerPlatformGeneration) {
        for (int id : {IDC_NUP_DIRECTION_LABEL, IDC_NUP_DIRECTION, IDC_BOOKLET_EDGE_LABEL, IDC_BOOKLET_EDGE,
                       IDC_DRAW_BORDERS}) {
            ShowWindow(GetDlgItem(hDlg, id), SW_HIDE);
        }
    }
}

UniqueImageList CreateLayoutImageList(const OEMCUIPPARAM& param) noexcept {
    UniqueImageList images(
        CallImageListCreate(kImageSize, kImageSize, ILC_COLOR32 | ILC_MASK, kInitialImages, 0));
    if (!images) {
        return images;
    }
    for (WORD id : kListIcons) {
        const UniqueIcon icon(static_cast<HICON>(LoadImageW(static_cast<HINSTANCE>(param.hModule),
                                                            MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
        if (icon) {
            static_cast<void>(CallImageListAppendIcon(images.Get(), icon.Get()));
        }
    }
    return images;
}

void SetLayoutImageList(HWND hDlg, HIMAGELIST hImageList) noexcept {
    for (int id : {IDC_ORIENTATION, IDC_DUPLEX, IDC_PAGE_ORDER}) {
        SendDlgItemMessageW(hDlg, id, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList));
    }
}

void FillDuplexList(HWND hDlg, const OEMCUIPPARAM& param, const OPTITEM& item, bool landscape) noexcept {
    FillPictureList(List(hDlg, IDC_DUPLEX), param, item, IDS_DUPLEX_FIRST, kDuplexEntries,
                    MarkedOptions::kLeftOutUnlessCurrent, [landscape](LONG option, bool marked) { return DuplexImage(option, marked, landscape); });
}

void SyncLayoutControls(HWND hDlg, const OEMCUIPPARAM& param) noexcept {
    const bool fullSet = HasFullLayoutItemSet(param);
    for (DWORD i = 0; param.pDrvOptItems != nullptr && i < param.cDrvOptItems; ++i) {
        SyncItem(hDlg, param, param.pDrvOptItems[i], fullSet);
    }
    if (fullSet) {
        return;
    }
    EnableControl(hDlg, IDC_PAGE_ORDER, false);
    EnableControl(hDlg, IDC_PAGE_ORDER_LABEL, false);
    if (kNewerPlatformGeneration) {
        for (int id : {IDC_NUP_DIRECTION, IDC_NUP_DIRECTION_LABEL, IDC_BOOKLET_EDGE, IDC_BOOKLET_EDGE_LABEL,
                       IDC_DRAW_BORDERS}) {
            EnableControl(hDlg, id, false);
        }
    }
}

}  // namespace marlow
