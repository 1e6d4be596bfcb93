#include "driverui/installed_options.h"

#include "driverui/current_option.h"
#include "driverui/host_text.h"
#include "ppd/ppd_model.h"

namespace marlow {

void ApplyInstalledOptions(PluginContext& context, POEMUIOBJ poemuiobj) {
    PpdModel& model = *context.pPpdModel;
    for (std::int32_t i = 0; i < model.GetFeatureCount(); ++i) {
        const PpdFeature* feature = model.GetPpdFeature(i);
        if (!feature->IsInstallable()) {
            continue;
        }
        WCHAR option[kOptionKeywordUnits] = {};
        if (LookUpCurrentOption(poemuiobj, context, ModelText(feature->keyword).Get(), option) != S_OK) {
            continue;  // the selection keeps the PPD's default
        }
        model.SetInstalledOption(feature->keyword.Text(), HostText(option).Get(), false);
    }
    model.EvaluateConstraints();
}

}  // namespace marlow
