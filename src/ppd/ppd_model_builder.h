// What reading may do to a model: add a feature, which brings its installable
// selection when it was read completely inside the group
// "InstallableOptions", and add a constraint. Nothing else changes the
// model's structure, and nothing changes it once reading is over.
#pragma once

#include <memory>

#include "ppd/ppd_model.h"
#include "ppd/ppd_records.h"

namespace marlow {

class PpdModelBuilder {
public:
    explicit PpdModelBuilder(PpdModel& model) noexcept;
    PpdModelBuilder(const PpdModelBuilder&) = delete;
    PpdModelBuilder& operator=(const PpdModelBuilder&) = delete;
    ~PpdModelBuilder();

    // The model's arrays at their starting capacities. False for want of
    // memory; nothing may be added then.
    [[nodiscard]] bool StartModel() noexcept;

    // A new feature in the given group, with room for it made in the model
    // first, for the reader to fill; it is not counted until FinishFeature.
    // Null for want of memory (the room, the feature or its options).
    [[nodiscard]] PpdFeature* StartFeature(const PpdText& groupKeyword) noexcept;

    // Counts the feature started last, whether its block ended properly or
    // not; a block that ended properly inside "InstallableOptions" brings an
    // installable selection at the feature's default option. False for want
    // of memory for that selection: the feature is then dropped.
    [[nodiscard]] bool FinishFeature(bool bBlockClosed) noexcept;

    // Room for a constraint in the model, made before its tokens are read.
    // False for want of memory.
    [[nodiscard]] bool StartConstraint() noexcept;

    // Counts a constraint with the four texts, those it did not get empty.
    // False for want of memory.
    [[nodiscard]] bool AddConstraint(const PpdText (&texts)[4]) noexcept;

private:
    [[nodiscard]] bool AddInstallableSelection(const PpdFeature& feature) noexcept;

    PpdModel& model_;
    std::unique_ptr<PpdFeature> pStartedFeature_;
};

}  // namespace marlow
