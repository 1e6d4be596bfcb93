#include "ppd/ppd_model.h"

namespace marlow {

PpdModel::PpdModel() = default;

// The arrays delete what they hold: each feature its options, then the
// features, the constraints and the installable selections.
PpdModel::~PpdModel() = default;

std::int32_t PpdModel::GetFeatureCount() const { return features_.Count(); }

const PpdFeature* PpdModel::GetPpdFeature(std::int32_t index) const { return features_.At(index); }

std::int32_t PpdModel::FindFeatureByKeyword(const char16_t* keyword) const {
    if (keyword == nullptr) {
        return -1;
    }
    for (std::int32_t i = 0; i < features_.Count(); ++i) {
        if (features_.At(i)->keyword.EqualsString(keyword)) {
            return i;
        }
    }
    return -1;
}

std::int32_t PpdModel::FindFeatureByTranslation(const char16_t* translation) const {
    if (translation == nullptr) {
        return -1;
    }
    for (std::int32_t i = 0; i < features_.Count(); ++i) {
        if (features_.At(i)->translation.EqualsString(translation)) {
            return i;
        }
    }
    return -1;
}

std::int32_t PpdModel::GetConstraintCount() const { return constraints_.Count(); }

const UiConstraint* PpdModel::GetUiConstraint(std::int32_t index) const {
    return constraints_.At(index);
}

std::int32_t PpdModel::GetInstallableCount() const { return installables_.Count(); }

const InstallableSelection* PpdModel::GetInstallableSelection(std::int32_t index) const {
    return installables_.At(index);
}

}  // namespace marlow
