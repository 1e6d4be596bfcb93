#include "ppd/ppd_model_builder.h"

#include <new>

namespace marlow {

PpdModelBuilder::PpdModelBuilder(PpdModel& model) noexcept : model_(model) {}

PpdModelBuilder::~PpdModelBuilder() = default;

bool PpdModelBuilder::StartModel() noexcept {
    return model_.features_.Allocate(kFirstFeatureCapacity) &&
           model_.installables_.Allocate(kFirstInstallableCapacity) &&
           model_.constraints_.Allocate(kFirstConstraintCapacity);
}

PpdFeature* PpdModelBuilder::StartFeature(const PpdText& groupKeyword) noexcept {
    pStartedFeature_.reset();
    if (!model_.features_.MakeRoom()) {
        return nullptr;
    }
    std::unique_ptr<PpdFeature> feature(new (std::nothrow) PpdFeature);
    if (!feature || !feature->options.Allocate(kFirstOptionCapacity)) {
        return nullptr;
    }
    feature->groupKeyword = groupKeyword;
    pStartedFeature_ = std::move(feature);
    return pStartedFeature_.get();
}

bool PpdModelBuilder::AddInstallableSelection(const PpdFeature& feature) noexcept {
    if (!model_.installables_.MakeRoom()) {
        return false;
    }
    std::unique_ptr<InstallableSelection> selection(new (std::nothrow) InstallableSelection);
    if (!selection) {
        return false;
    }
    selection->keyword = feature.keyword;
    selection->currentOption = feature.defaultOption;
    return model_.installables_.Add(std::move(selection));
}

bool PpdModelBuilder::FinishFeature(bool bBlockClosed) noexcept {
    std::unique_ptr<PpdFeature> feature = std::move(pStartedFeature_);
    if (!feature) {
        return false;
    }
    if (bBlockClosed && feature->IsInstallable() && !AddInstallableSelection(*feature)) {
        return false;
    }
    // StartFeature made the room, so this cannot fail.
    return model_.features_.Add(std::move(feature));
}

bool PpdModelBuilder::StartConstraint() noexcept { return model_.constraints_.MakeRoom(); }

bool PpdModelBuilder::AddConstraint(const PpdText (&texts)[4]) noexcept {
    return model_.constraints_.Add(UiConstraint::Create(texts));
}

}  // namespace marlow
