#include "driverui/item_change_callback.h"

#include "core/host_items.h"
#include "driverui/hidden_layout_items.h"
#include "driverui/rendering_item.h"
#include "core/boundary_guard.h"
#include "core/plugin_context.h"

namespace marlow {
namespace {

IPrintOemDriverUI* GetDriverUI(const PluginContext* context) {
    return context != nullptr ? context->pDriverUI.Get() : nullptr;
}

OPTITEM* FindRenderingItem(const OEMCUIPPARAM& param) {
    for (OPTITEM& item : GetHostItems(param)) {
        if (IsRenderingItem(item)) {
            return &item;
        }
    }
    return nullptr;
}

// The colour item changed: the colour mode follows it, and is disabled while
// the colour item stands at its first choice.
void SyncRenderingItem(const OPTITEM& colourItem, POEMCUIPPARAM param, PluginContext* context) {
    OPTITEM* rendering = FindRenderingItem(*param);
    if (rendering == nullptr) {
        return;
    }
    if (colourItem.Sel == 0) {
        rendering->Flags |= OPTIF_DISABLED;
    } else {
        rendering->Flags &= ~static_cast<DWORD>(OPTIF_DISABLED);
    }
    rendering->Sel = colourItem.Sel;
    if (IPrintOemDriverUI* driverUI = GetDriverUI(context)) {
        driverUI->DrvUpdateUISetting(param->poemuiobj, rendering, 0, OEMCUIP_DOCPROP);
    }
}

// Whether an apply should report the item: the Layout page changed it, and
// its current choice is one that no constraint rules out.
bool ShouldReportOnApply(const OPTITEM& item) {
    if (!IsReportedLayoutItem(item.DMPubID) || (item.Flags & OPTIF_CHANGEONCE) == 0) {
        return false;
    }
    DWORD count = 0;
    const OPTPARAM* params = GetOptionParams(item, &count);
    const auto sel = static_cast<DWORD>(item.Sel);
    return params != nullptr && sel < count && (params[sel].Flags & OPTPF_OVERLAY_WARNING_ICON) == 0;
}

short GetDuplexMode(LONG sel) {
    switch (sel) {
    case 1:
        return DMDUP_HORIZONTAL;
    case 2:
        return DMDUP_VERTICAL;
    default:
        return DMDUP_SIMPLEX;
    }
}

// One of two places that tell the host about the layout items the Layout
// page changed. Here, when the sheet applies, every such item this build
// reports (the page marks it OPTIF_CHANGEONCE, and the host, whose item is
// hidden, learns of the change only this way), with the item's current Sel
// as the previous selection; the duplex item also sets the public duplex
// mode. The Layout page itself reports orientation and two-sided already when
// it is left or applied (with 0 as the previous selection), so that the host
// has them while the sheet is open; on an apply they are reported twice.
void ReportChangedLayoutItems(POEMCUIPPARAM param, PluginContext* context) {
    IPrintOemDriverUI* driverUI = GetDriverUI(context);
    if (driverUI == nullptr) {
        return;
    }
    for (OPTITEM& item : GetHostItems(*param)) {
        if (!ShouldReportOnApply(item)) {
            continue;
        }
        const HRESULT hr = driverUI->DrvUpdateUISetting(param->poemuiobj, &item,
                                                        static_cast<DWORD>(item.Sel), OEMCUIP_DOCPROP);
        if (hr == S_OK && item.DMPubID == DMPUB_DUPLEX && param->pPublicDM != nullptr) {
            param->pPublicDM->dmDuplex = GetDuplexMode(item.Sel);
        }
    }
}

LONG HandleItemChange(PCPSUICBPARAM pCallbackParam, POEMCUIPPARAM param) {
    if (pCallbackParam == nullptr) {
        return CPSUICB_ACTION_OPTIF_CHANGED;
    }
    // A host that hands no record of its own gets no change, but the answer
    // its reason expects.
    auto* context = param != nullptr ? static_cast<PluginContext*>(param->pOEMUserData) : nullptr;
    switch (pCallbackParam->Reason) {
    case CPSUICB_REASON_SEL_CHANGED:
        if (param != nullptr && pCallbackParam->pCurItem != nullptr &&
            pCallbackParam->pCurItem->DMPubID == DMPUB_COLOR) {
            SyncRenderingItem(*pCallbackParam->pCurItem, param, context);
        }
        return CPSUICB_ACTION_OPTIF_CHANGED;
    case CPSUICB_REASON_APPLYNOW:
        if (param != nullptr) {
            ReportChangedLayoutItems(param, context);
        }
        return CPSUICB_ACTION_ITEMS_APPLIED;
    default:
        return CPSUICB_ACTION_OPTIF_CHANGED;
    }
}

}  // namespace

LONG APIENTRY ItemChangeCallback(PCPSUICBPARAM pCallbackParam, POEMCUIPPARAM pOemCUIPParam) {
    return CallGuarded<LONG>(CPSUICB_ACTION_OPTIF_CHANGED,
                             [&] { return HandleItemChange(pCallbackParam, pOemCUIPParam); });
}

}  // namespace marlow
