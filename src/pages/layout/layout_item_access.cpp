#include "pages/layout/layout_item_access.h"

#include "core/host_items.h"

namespace marlow {

OPTITEM* FindFirstLayoutItem(const OEMCUIPPARAM& param, BYTE dmPubId) noexcept {
    for (OPTITEM& item : GetHostItems(param)) {
        if (item.DMPubID == dmPubId) {
            return &item;
        }
    }
    return nullptr;
}

bool HasFullLayoutItemSet(const OEMCUIPPARAM& param) noexcept {
    return FindFirstLayoutItem(param, DMPUB_PAGEORDER) != nullptr;
}

LONG CountItemOptions(const OPTITEM& item) noexcept {
    return item.pOptType != nullptr ? static_cast<LONG>(item.pOptType->Count) : 0;
}

bool IsItemOption(const OPTITEM& item, LONG option) noexcept {
    return option >= 0 && option < CountItemOptions(item);
}

bool IsOptionMarked(const OPTITEM& item, LONG option) noexcept {
    DWORD count = 0;
    const OPTPARAM* params = GetOptionParams(item, &count);
    if (params == nullptr || option < 0 || static_cast<DWORD>(option) >= count) {
        return false;
    }
    return (params[option].Flags & OPTPF_OVERLAY_WARNING_ICON) != 0;
}

}  // namespace marlow
