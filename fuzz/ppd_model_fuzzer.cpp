// libFuzzer target: the PPD reader on arbitrary bytes, then the constraint
// evaluation after the installed options change, with the model's
// invariants checked after each step.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ppd/ppd_input.h"
#include "ppd/ppd_model.h"

namespace {

void Require(bool bHolds) {
    if (!bHolds) {
        std::abort();
    }
}

bool IsInstallableFeature(const marlow::PpdFeature& feature) {
    return feature.groupKeyword.EqualsString(marlow::kInstallableOptionsGroup);
}

void CheckText(const marlow::PpdText& text) {
    Require(text.Length() >= 0 && text.Length() <= marlow::PpdText::kMaxLength);
    Require(text.Text()[text.Length()] == 0);
}

void CheckFeatures(const marlow::PpdModel& model) {
    for (std::int32_t f = 0; f < model.GetFeatureCount(); ++f) {
        const marlow::PpdFeature& feature = *model.GetPpdFeature(f);
        CheckText(feature.keyword);
        CheckText(feature.translation);
        CheckText(feature.defaultOption);
        const std::int32_t found = model.FindFeatureByKeyword(feature.keyword.Text());
        Require(found >= 0 && found <= f);
        for (std::int32_t o = 0; o < feature.GetOptionCount(); ++o) {
            const marlow::PpdOption& option = *feature.GetPpdOption(o);
            CheckText(option.keyword);
            CheckText(option.translation);
            Require(option.bConstrained == 0 || option.bConstrained == 1);
            Require(option.bConstrained == 0 || !IsInstallableFeature(feature));
        }
        Require(feature.GetPpdOption(feature.GetOptionCount()) == nullptr);
    }
    Require(model.GetPpdFeature(model.GetFeatureCount()) == nullptr);
}

void CheckModel(const marlow::PpdModel& model) {
    CheckFeatures(model);
    for (std::int32_t i = 0; i < model.GetInstallableCount(); ++i) {
        const marlow::InstallableSelection& selection = *model.GetInstallableSelection(i);
        CheckText(selection.keyword);
        CheckText(selection.currentOption);
    }
    for (std::int32_t i = 0; i < model.GetConstraintCount(); ++i) {
        const marlow::UiConstraint& constraint = *model.GetUiConstraint(i);
        CheckText(constraint.firstFeature);
        CheckText(constraint.secondOption);
    }
}

// Moves each installable selection to an option that some constraint names
// for it, chosen by the input's last byte, and evaluates again.
void ChangeInstalledOptions(marlow::PpdModel& model, unsigned char choice) {
    const std::int32_t constraints = model.GetConstraintCount();
    if (constraints == 0) {
        return;
    }
    for (std::int32_t i = 0; i < model.GetInstallableCount(); ++i) {
        const marlow::UiConstraint& constraint = *model.GetUiConstraint((choice + i) % constraints);
        const marlow::PpdText keyword = model.GetInstallableSelection(i)->keyword;
        model.SetInstalledOption(keyword.Text(), constraint.firstOption.Text(), false);
    }
    model.SetInstalledOption(nullptr, nullptr, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    marlow::PpdMemoryInput input{data, size, 0};
    marlow::PpdReadReport report;
    std::unique_ptr<marlow::PpdModel> model =
        marlow::ReadPpdModel(marlow::ReadPpdMemoryByte, &input, &report);
    Require(model != nullptr);
    Require(report.nByteOffset >= 0 && static_cast<std::size_t>(report.nByteOffset) <= size);
    Require(report.StoppedEarly() || input.cbRead == size);
    CheckModel(*model);
    ChangeInstalledOptions(*model, size > 0 ? data[size - 1] : 0);
    CheckModel(*model);
    return 0;
}
