#include "driverui/printer_sheet_items.h"

#include "core/host_items.h"

namespace marlow {
namespace {

void HideItemAndOptions(OPTITEM& item) {
    DWORD count = 0;
    OPTPARAM* params = GetOptionParams(item, &count);
    for (DWORD i = 0; i < count; ++i) {
        params[i].Flags |= OPTPF_HIDE;
    }
    item.Flags |= OPTIF_HIDE;
}

}  // namespace

// The group item is hidden (its own option parameters are not), and so is
// every item after it, with its parameters, up to the next item on the
// group's level or a shallower one: the group's own members lie deeper, and
// an item that is not one of them must stay for the user to set.
void AdjustPrinterSheetItems(OEMCUIPPARAM& param) {
    bool hiding = false;
    BYTE groupLevel = 0;
    for (OPTITEM& item : GetHostItems(param)) {
        if (hiding) {
            if (item.Level <= groupLevel) {
                hiding = false;
            } else {
                HideItemAndOptions(item);
            }
        }
        if (!IsResourceId(item.pName)) {
            continue;
        }
        const auto nameId = reinterpret_cast<ULONG_PTR>(item.pName);
        if (nameId == kInitialTreeItemName) {
            item.Flags |= OPTIF_INITIAL_TVITEM;
        } else if (nameId == IDS_CPSUI_FORMTRAYASSIGN) {
            item.Flags |= OPTIF_HIDE;
            hiding = true;
            groupLevel = item.Level;
        }
    }
}

}  // namespace marlow
