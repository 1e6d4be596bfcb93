// Which options the installed hardware rules out. Only constraints that name
// an installable feature first and the marked feature second count. The
// plain walk tests every option against every selection, each test walking
// all constraints; the index built after reading gives the same marks.
#include "ppd/ppd_model.h"
#include "ppd/store_ppd_text.h"

namespace marlow {

void PpdModel::SetInstalledOption(const char16_t* featureKeyword, const char16_t* optionKeyword,
                                  bool bReevaluate) {
    if (featureKeyword != nullptr && optionKeyword != nullptr) {
        for (std::int32_t i = 0; i < installables_.Count(); ++i) {
            InstallableSelection* selection = installables_.At(i);
            if (selection->keyword.EqualsString(featureKeyword)) {
                StorePpdText(optionKeyword, selection->currentOption);
                break;
            }
        }
    }
    if (bReevaluate) {
        EvaluateConstraints();
    }
}

ConstraintOutcome PpdModel::TestOptionConstraints(const PpdText& selectionKeyword,
                                                  const PpdText& currentOption,
                                                  const PpdFeature& feature,
                                                  const PpdOption& option) const {
    ConstraintOutcome outcome = ConstraintOutcome::kNotJoined;
    for (std::int32_t i = 0; i < constraints_.Count(); ++i) {
        const UiConstraint& constraint = *constraints_.At(i);
        if (!constraint.firstFeature.Equals(selectionKeyword) ||
            !constraint.secondFeature.Equals(feature.keyword)) {
            continue;
        }
        outcome = ConstraintOutcome::kAllowed;
        if (constraint.firstOption.Equals(currentOption) &&
            constraint.secondOption.Equals(option.keyword)) {
            return ConstraintOutcome::kRuledOut;
        }
    }
    return outcome;
}

void PpdModel::MarkFeatureOptions(PpdFeature& feature) {
    for (std::int32_t o = 0; o < feature.options.Count(); ++o) {
        PpdOption& option = *feature.options.At(o);
        for (std::int32_t s = 0; s < installables_.Count(); ++s) {
            const InstallableSelection& selection = *installables_.At(s);
            const ConstraintOutcome outcome =
                TestOptionConstraints(selection.keyword, selection.currentOption, feature, option);
            if (outcome == ConstraintOutcome::kRuledOut) {
                option.bConstrained = 1;
            } else if (outcome == ConstraintOutcome::kAllowed) {
                option.bConstrained = 0;
            }
        }
    }
}

void PpdModel::EvaluateConstraintsByWalk() {
    for (std::int32_t f = 0; f < features_.Count(); ++f) {
        PpdFeature& feature = *features_.At(f);
        if (!feature.IsInstallable()) {
            MarkFeatureOptions(feature);
        }
    }
}

void PpdModel::EvaluateConstraints() {
    if (pConstraintIndex_) {
        pConstraintIndex_->Evaluate(features_, installables_);
    } else {
        EvaluateConstraintsByWalk();
    }
}

bool PpdModel::IndexConstraints() {
    pConstraintIndex_ = PpdConstraintIndex::Build(features_, installables_, constraints_);
    return pConstraintIndex_ != nullptr;
}

}  // namespace marlow
