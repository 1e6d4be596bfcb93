#include "driverui/document_sheet_items.h"

#include "driverui/feature_name_table.h"
#include "core/host_items.h"
#include "driverui/hidden_layout_items.h"
#include "driverui/host_text.h"
#include "driverui/item_change_callback.h"
#include "driverui/rendering_item.h"
#include "ppd/ppd_model.h"

namespace marlow {
namespace {

// Which feature of the model an item stands for, and whether the feature
// table looks after it.
struct ItemFeature {
    HRESULT lookup = E_FAIL;
    std::int32_t index = -1;
};

bool IsStandardFeatureItem(BYTE dmPubId) {
    switch (dmPubId) {
    case DMPUB_DEFSOURCE:
    case DMPUB_PRINTQUALITY:
    case DMPUB_DUPLEX:
    case DMPUB_FORMNAME:
    case DMPUB_MEDIATYPE:
        return true;
    default:
        return false;
    }
}

// A standard item is known by its DMPubID; the table gives its PPD keyword.
ItemFeature IdentifyStandardItem(const PluginContext& context, HMODULE hModule, BYTE dmPubId) {
    ItemFeature feature;
    LONG featureId = 0;
    feature.lookup = LookUpFeatureName(hModule, nullptr, dmPubId, &featureId);
    if (const WCHAR* keyword = FindFeatureKeyword(featureId)) {
        feature.index = context.pPpdModel->FindFeatureByKeyword(HostText(keyword).Get());
    }
    return feature;
}

// Any other item is known by its name: the translation of a PPD feature.
ItemFeature IdentifyNamedItem(const PluginContext& context, HMODULE hModule, const OPTITEM& item) {
    const PpdModel& model = *context.pPpdModel;
    const HostText name(item.pName);
    ItemFeature feature;
    feature.index = model.FindFeatureByTranslation(name.Get());
    LONG featureId = 0;
    if (const PpdFeature* named = model.GetPpdFeature(feature.index)) {
        feature.lookup = LookUpFeatureName(hModule, ModelText(named->keyword).Get(), 0, &featureId);
    } else {
        feature.lookup = LookUpFeatureName(hModule, nullptr, 0, &featureId);
    }
    return feature;
}

void MarkRuledOutChoices(const PpdModel& model, std::int32_t featureIndex, OPTITEM& item) {
    const PpdFeature* feature = model.GetPpdFeature(featureIndex);
    DWORD count = 0;
    OPTPARAM* params = GetOptionParams(item, &count);
    if (feature == nullptr || params == nullptr) {
        return;
    }
    for (DWORD i = 0; i < count; ++i) {
        if (IsResourceId(params[i].pData)) {
            continue;
        }
        const HostText text(params[i].pData);
        for (std::int32_t k = 0; k < feature->GetOptionCount(); ++k) {
            const PpdOption* option = feature->GetPpdOption(k);
            if (option->translation.EqualsString(text.Get())) {
                if (option->bConstrained != 0) {
                    params[i].Flags |= OPTPF_OVERLAY_WARNING_ICON;
                }
                break;  // the first option of that text decides
            }
        }
    }
}

}  // namespace

void AdjustDocumentSheetItems(PluginContext& context, OEMCUIPPARAM& param) {
    param.OEMCUIPCallback = ItemChangeCallback;
    param.pOEMUserData = &context;
    const auto hModule = static_cast<HMODULE>(param.hModule);

    // The colour choice is that of the last colour item before the current
    // one; without one, colour counts as on.
    LONG colourChoice = 1;
    for (OPTITEM& item : GetHostItems(param)) {
        if (!context.bLegacyPlatform && IsHiddenLayoutItem(item.DMPubID)) {
            item.Flags |= OPTIF_HIDE;
        }
        ItemFeature feature;
        if (item.DMPubID == DMPUB_COLOR) {
            colourChoice = item.Sel;
            continue;
        }
        if (!context.pPpdModel) {
            continue;
        }
        if (IsStandardFeatureItem(item.DMPubID)) {
            feature = IdentifyStandardItem(context, hModule, item.DMPubID);
        } else if (!IsResourceId(item.pName)) {
            feature = IdentifyNamedItem(context, hModule, item);
        }
        // Only items that the feature table knows, and whose display string
        // loads, go on.
        if (feature.lookup != S_OK) {
            continue;
        }
        MarkRuledOutChoices(*context.pPpdModel, feature.index, item);
        if (colourChoice == 0 && IsRenderingItem(item)) {
            item.Flags |= OPTIF_DISABLED;
        }
    }
}

}  // namespace marlow
