// The model of a printer's PPD file: its features with their options and
// groups, its "*UIConstraints" statements and the installed hardware, and the
// marks on the options that the hardware rules out.
#pragma once

#include <cstdint>
#include <memory>

#include "ppd/ppd_byte_source.h"
#include "ppd/ppd_constraint_index.h"
#include "ppd/ppd_read_report.h"
#include "ppd/ppd_records.h"
#include "ppd/ppd_text.h"

namespace marlow {

// What one constraint test answers for an option and an installable selection.
enum class ConstraintOutcome : std::int32_t {
    kNotJoined = 0,  // no constraint joins the selection's feature to the option's
    kRuledOut = 1,   // a constraint names the current option first and this option second
    kAllowed = 2,    // constraints join the two features, none names this pair
};

class PpdModel;
class PpdModelBuilder;

// Builds the model from the whole input, indexes its constraints and
// evaluates them once.
// Null only when the model object itself cannot be allocated; otherwise
// always a model, maybe empty. The report, when given, says whether and
// where reading stopped early.
std::unique_ptr<PpdModel> ReadPpdModel(PpdReadFunction read, void* context);
std::unique_ptr<PpdModel> ReadPpdModel(PpdReadFunction read, void* context, PpdReadReport* pReport);

class PpdModel {
public:
    PpdModel();
    PpdModel(const PpdModel&) = delete;
    PpdModel& operator=(const PpdModel&) = delete;
    ~PpdModel();

    // Features, in the order of their "*OpenUI" statements.
    std::int32_t GetFeatureCount() const;
    // Null when the index is not below the count.
    const PpdFeature* GetPpdFeature(std::int32_t index) const;
    // The index of the first feature whose keyword (translation) equals the
    // zero-terminated text, or -1; -1 also for an absent text.
    std::int32_t FindFeatureByKeyword(const char16_t* keyword) const;
    std::int32_t FindFeatureByTranslation(const char16_t* translation) const;

    // "*UIConstraints" statements, in file order.
    std::int32_t GetConstraintCount() const;
    const UiConstraint* GetUiConstraint(std::int32_t index) const;

    // Installable selections, in file order.
    std::int32_t GetInstallableCount() const;
    const InstallableSelection* GetInstallableSelection(std::int32_t index) const;

    // Sets the current option of the first installable selection whose
    // keyword (asterisk included) equals featureKeyword, when both texts are
    // present; the option keyword is stored like a text of the file (low
    // byte of each unit, through the ANSI code page). With bReevaluate the
    // constraints are evaluated afterwards, whether or not anything was set.
    void SetInstalledOption(const char16_t* featureKeyword, const char16_t* optionKeyword,
                            bool bReevaluate);

    // Recomputes the constrained marks of every option of every feature
    // outside the group "InstallableOptions". Marks are not reset first: each
    // ends as the outcome of the last selection, in model order, whose
    // feature some constraint joins to the option's feature. Uses the
    // constraint index when there is one, else walks the constraints; both
    // give the same marks.
    void EvaluateConstraints();

    // The same marks by the plain walk: every option against every
    // installable selection, each test walking all constraints. The
    // reference that the index is checked against.
    void EvaluateConstraintsByWalk();

    // Builds the constraint index; called once the statements are read,
    // before the first evaluation. False for want of memory: the evaluation
    // then walks the constraints. The structure must not change afterwards.
    [[nodiscard]] bool IndexConstraints();
    bool HasConstraintIndex() const { return pConstraintIndex_ != nullptr; }

    // Tests one option of one feature against a selection's keyword and
    // current option, walking the constraints in file order.
    ConstraintOutcome TestOptionConstraints(const PpdText& selectionKeyword,
                                            const PpdText& currentOption, const PpdFeature& feature,
                                            const PpdOption& option) const;

private:
    // Reading adds features, installable selections and constraints through
    // the builder, and nothing else.
    friend class PpdModelBuilder;

    void MarkFeatureOptions(PpdFeature& feature);

    // Declared in the reverse order of their destruction: the index, which
    // points into the records, goes first, then the features with their
    // options, then the constraints, then the selections.
    PpdPointerArray<InstallableSelection> installables_;
    PpdPointerArray<UiConstraint> constraints_;
    PpdPointerArray<PpdFeature> features_;
    std::unique_ptr<PpdConstraintIndex> pConstraintIndex_;
};

}  // namespace marlow
