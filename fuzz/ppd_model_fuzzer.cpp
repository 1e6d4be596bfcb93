// libFuzzer target: the PPD reader on arbitrary bytes, then the constraint
// evaluation after the installed options change, with the model's
// invariants checked after each step, and the indexed evaluation compared
// with the plain walk on a second reading of the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "ppd/ppd_input.h"
#include "ppd/ppd_model.h"
#include "ppd/ppd_reader.h"

namespace {

void Require(bool bHolds) {
    if (!bHolds) {
        std::abort();
    }
}

template <typename Text>
void CheckText(const Text& text) {
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
            Require(option.bConstrained == 0 || !feature.IsInstallable());
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
        CheckText(constraint.firstOption);
        CheckText(constraint.secondFeature);
        CheckText(constraint.secondOption);
    }
}

// The same input read without the index: evaluations walk the constraints.
std::unique_ptr<marlow::PpdModel> ReadWithoutIndex(const std::uint8_t* data, std::size_t size) {
    marlow::PpdMemoryInput input{data, size, 0};
    marlow::PpdReadSettings settings;
    settings.evaluation = marlow::PpdEvaluation::kWalked;
    return marlow::ReadPpdModel(marlow::ReadPpdMemoryByte, &input, settings, nullptr);
}

void RequireSameMarks(const marlow::PpdModel& indexed, const marlow::PpdModel& walked) {
    Require(indexed.GetFeatureCount() == walked.GetFeatureCount());
    for (std::int32_t f = 0; f < indexed.GetFeatureCount(); ++f) {
        const marlow::PpdFeature& left = *indexed.GetPpdFeature(f);
        const marlow::PpdFeature& right = *walked.GetPpdFeature(f);
        Require(left.GetOptionCount() == right.GetOptionCount());
        for (std::int32_t o = 0; o < left.GetOptionCount(); ++o) {
            Require(left.GetPpdOption(o)->bConstrained == right.GetPpdOption(o)->bConstrained);
        }
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
    Require(model->HasConstraintIndex());
    std::unique_ptr<marlow::PpdModel> walked = ReadWithoutIndex(data, size);
    RequireSameMarks(*model, *walked);
    const unsigned char choice = size > 0 ? data[size - 1] : 0;
    ChangeInstalledOptions(*model, choice);
    ChangeInstalledOptions(*walked, choice);
    CheckModel(*model);
    RequireSameMarks(*model, *walked);
    return 0;
}
