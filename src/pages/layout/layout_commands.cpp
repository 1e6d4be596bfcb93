#include "pages/layout/layout_commands.h"

#include "core/host_items.h"
#include "pages/dialog_controls.h"
#include "pages/layout/layout_controls.h"
#include "pages/layout/layout_item_access.h"
#include "pages/layout/layout_lists.h"
#include "res/resource_ids.h"

namespace marlow {
namespace {


// Two pages per sheet: where leaving booklet lands.
constexpr LONG kTwoPagesOption = 1;
constexpr LONG kOneSidedOption = 0;
constexpr LONG kShortEdgeOption = 1;

void UpdateHostItem(const PluginContext& context, OPTITEM& item) {
    if (context.pDriverUI) {
        // The host's answer changes nothing here.
        static_cast<void>(context.pDriverUI->DrvUpdateUISetting(context.pOemCuiParam->poemuiobj, &item, 0,
                                                                OEMCUIP_DOCPROP));
    }
}

void AnnounceChange(HWND hDlg) { SendChangeNotice(hDlg, PSM_CHANGED); }

void AnnounceChangeAndRepaint(HWND hDlg) {
    AnnounceChange(hDlg);
    InvalidateRect(hDlg, nullptr, TRUE);
}

// Pages per sheet rather than booklet: the arrangement instead of the
// binding edge (newer build, full set).
void ShowPagesPerSheetControls(HWND hDlg, bool fullSet, bool pagesPerSheet) {
    if (!kNewerPlatformGeneration || !fullSet) {
        return;
    }
    EnableControl(hDlg, IDC_NUP_DIRECTION, pagesPerSheet);
    EnableControl(hDlg, IDC_NUP_DIRECTION_LABEL, pagesPerSheet);
    EnableControl(hDlg, IDC_BOOKLET_EDGE, !pagesPerSheet);
    EnableControl(hDlg, IDC_BOOKLET_EDGE_LABEL, !pagesPerSheet);
}

// Borders make sense with more than one page on the sheet.
void FollowBordersToPages(HWND hDlg, const OPTITEM& pagesPerSheet) {
    const bool onePage = pagesPerSheet.Sel == 0;
    EnableControl(hDlg, IDC_DRAW_BORDERS, !onePage);
    CheckControl(hDlg, IDC_DRAW_BORDERS, !onePage && (pagesPerSheet.Flags & OPTIF_ECB_CHECKED) != 0);
}

// Borders toggled: the flag follows the check box, and the host hears of
// each real change at once. The picture does not show borders.
void ToggleBorders(HWND hDlg, const PluginContext& context, OPTITEM& item) {
    const bool checked = IsChecked(hDlg, IDC_DRAW_BORDERS);
    const bool flagged = (item.Flags & OPTIF_ECB_CHECKED) != 0;
    if (checked != flagged) {
        item.Flags ^= OPTIF_ECB_CHECKED;
        UpdateHostItem(context, item);
    }
    AnnounceChange(hDlg);
}

void ChoosePagesPerSheet(HWND hDlg, OPTITEM& item, bool fullSet) {
    if (item.Sel == kBookletOption) {
        item.Sel = kTwoPagesOption;
        SelectListOption(GetDlgItem(hDlg, IDC_PAGES_PER_SHEET), kTwoPagesOption);
    }
    EnableControl(hDlg, IDC_PAGES_PER_SHEET, true);
    ShowPagesPerSheetControls(hDlg, fullSet, true);
}

// Booklet prints on both sides: one-sided turns into the short-edge flip.
void ChooseBooklet(HWND hDlg, const OEMCUIPPARAM& param, OPTITEM& item, bool fullSet) {
    item.Sel = kBookletOption;
    if (GetListOption(GetDlgItem(hDlg, IDC_DUPLEX)) == kOneSidedOption) {
        SelectListOption(GetDlgItem(hDlg, IDC_DUPLEX), kShortEdgeOption);
        OPTITEM* duplex = FindFirstLayoutItem(param, DMPUB_DUPLEX);
        if (IsBoundItem(duplex)) {
            SetItemSelection(*duplex, kShortEdgeOption);
            // While one-sided was current, a short-edge flip the hardware
            // rules out was left out of the list, and the list would show
            // nothing now; rebuilt for the new current option it shows the
            // flip, marked.
            const OPTITEM* orientation = FindFirstLayoutItem(param, DMPUB_ORIENTATION);
            FillDuplexList(hDlg, param, *duplex, orientation != nullptr && orientation->Sel != 0);
        }
    }
    SelectListOption(GetDlgItem(hDlg, IDC_PAGES_PER_SHEET), kTwoPagesOption);
    EnableControl(hDlg, IDC_PAGES_PER_SHEET, false);
    ShowPagesPerSheetControls(hDlg, fullSet, false);
}

INT_PTR HandleLayoutClick(HWND hDlg, const PluginContext& context, int id) {
    const OEMCUIPPARAM& param = *context.pOemCuiParam;
    const bool fullSet = HasFullLayoutItemSet(param);
    OPTITEM* item = FindFirstLayoutItem(param, DMPUB_NUP);
    if (!IsBoundItem(item)) {
        return TRUE;
    }
    item->Flags |= OPTIF_CHANGEONCE;
    if (id == IDC_DRAW_BORDERS) {
        if (kNewerPlatformGeneration && fullSet) {
            ToggleBorders(hDlg, context, *item);
            return TRUE;
        }
        EnableControl(hDlg, IDC_PAGES_PER_SHEET, true);
    } else if (id == IDC_PAGES_PER_SHEET_RADIO) {
        ChoosePagesPerSheet(hDlg, *item, fullSet);
    } else {
        ChooseBooklet(hDlg, param, *item, fullSet);
    }
    if (kNewerPlatformGeneration && fullSet && id != IDC_DRAW_BORDERS) {
        FollowBordersToPages(hDlg, *item);
    }
    AnnounceChangeAndRepaint(hDlg);
    return TRUE;
}

// One-sided printing ends booklet: back to two pages per sheet.
void LeaveBookletForOneSided(HWND hDlg, const OEMCUIPPARAM& param, bool fullSet) {
    for (OPTITEM& item : GetHostItems(param)) {
        if (item.DMPubID == DMPUB_NUP && item.Sel == kBookletOption && IsBoundItem(&item)) {
            SetItemSelection(item, kTwoPagesOption);
        }
    }
    CheckControl(hDlg, IDC_BOOKLET_RADIO, false);
    CheckControl(hDlg, IDC_PAGES_PER_SHEET_RADIO, true);
    SelectListOption(GetDlgItem(hDlg, IDC_PAGES_PER_SHEET), kTwoPagesOption);
    EnableControl(hDlg, IDC_PAGES_PER_SHEET, true);
    ShowPagesPerSheetControls(hDlg, fullSet, true);
}

BYTE FindListItemId(int listId) {
    switch (listId) {
    case IDC_ORIENTATION:
        return DMPUB_ORIENTATION;
    case IDC_DUPLEX:
        return DMPUB_DUPLEX;
    case IDC_PAGE_ORDER:
        return DMPUB_PAGEORDER;
    case IDC_PAGES_PER_SHEET:
        return DMPUB_NUP;
    case IDC_NUP_DIRECTION:
        return kNewerPlatformGeneration ? kNupDirectionItem : 0;
    case IDC_BOOKLET_EDGE:
        return kNewerPlatformGeneration ? kBookletEdgeItem : 0;
    default:
        return 0;
    }
}

INT_PTR HandleLayoutSelection(HWND hDlg, const PluginContext& context, int listId) {
    const OEMCUIPPARAM& param = *context.pOemCuiParam;
    const BYTE dmPubId = FindListItemId(listId);
    // A list without a current entry names no option to write.
    const LONG option = GetListOption(GetDlgItem(hDlg, listId));
    const bool fullSet = HasFullLayoutItemSet(param);
    OPTITEM* item = dmPubId != 0 ? FindFirstLayoutItem(param, dmPubId) : nullptr;
    if (!IsBoundItem(item) || option == kNoListOption) {
        return TRUE;
    }
    if (dmPubId == DMPUB_ORIENTATION) {
        const LONG old = item->Sel;
        SetItemSelection(*item, option);
        OPTITEM* duplex = FindFirstLayoutItem(param, DMPUB_DUPLEX);
        if (option != old && IsBoundItem(duplex)) {
            FillDuplexList(hDlg, param, *duplex, option != 0);
        }
    } else if (dmPubId == DMPUB_NUP) {
        SetItemSelection(*item, option);
        if (kNewerPlatformGeneration && fullSet) {
            FollowBordersToPages(hDlg, *item);
        }
    } else {
        SetItemSelection(*item, option);
        if (dmPubId == DMPUB_DUPLEX && option == kOneSidedOption && IsChecked(hDlg, IDC_BOOKLET_RADIO)) {
            LeaveBookletForOneSided(hDlg, param, fullSet);
        }
    }
    AnnounceChangeAndRepaint(hDlg);
    return TRUE;
}

}  // namespace

INT_PTR HandleLayoutCommand(HWND hDlg, const PluginContext& context, int id, UINT notification) noexcept {
    if (notification == BN_CLICKED) {
        if (id == IDC_PAGES_PER_SHEET_RADIO || id == IDC_BOOKLET_RADIO || id == IDC_DRAW_BORDERS) {
            return HandleLayoutClick(hDlg, context, id);
        }
        return TRUE;
    }
    if (notification == CBN_SELCHANGE) {
        return HandleLayoutSelection(hDlg, context, id);
    }
    return FALSE;
}

// One of two places that tell the host about the layout items the page
// changed. Here, when the page is left or the sheet applies, orientation and
// two-sided only, so that the host has them while the sheet is still open;
// the item callback then reports, when the sheet applies, every changed
// layout item the build reports - these two again included - and writes the
// public duplex mode. The host is thus told of orientation and two-sided
// twice on an apply. The page keeps no earlier selection (it writes Sel at
// once) and passes 0 as the previous one; the callback passes the item's
// current Sel. Both skip a current choice that a constraint rules out.
void PushLayoutItems(const PluginContext& context) noexcept {
    for (OPTITEM& item : GetHostItems(*context.pOemCuiParam)) {
        const bool pushable = item.DMPubID == DMPUB_ORIENTATION || item.DMPubID == DMPUB_DUPLEX;
        if (pushable && IsBoundItem(&item) && (item.Flags & OPTIF_CHANGEONCE) != 0 &&
            !IsCurrentOptionMarked(item)) {
            UpdateHostItem(context, item);
        }
    }
}

}  // namespace marlow
