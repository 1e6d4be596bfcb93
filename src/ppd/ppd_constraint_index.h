// The constraints arranged for evaluation, built once when the file has been
// read. For an option of a feature, every installable selection that some
// constraint joins to the feature overwrites the option's mark, so only the
// last such selection in model order decides it; which selection that is
// depends only on keywords, which never change after reading. The index
// keeps, per feature, that deciding selection and, per option, the first
// option keywords of the constraints that rule the option out when the
// deciding selection stands at one of them. Evaluating compares the current
// option with those texts and allocates nothing.
#pragma once

#include <cstdint>
#include <memory>

#include "ppd/ppd_pointer_array.h"
#include "ppd/ppd_records.h"
#include "ppd/ppd_text_id_table.h"

namespace marlow {

class PpdConstraintIndex {
public:
    PpdConstraintIndex(const PpdConstraintIndex&) = delete;
    PpdConstraintIndex& operator=(const PpdConstraintIndex&) = delete;
    ~PpdConstraintIndex();

    // Null for want of memory. The records must not change while the index
    // lives: it points into them.
    static std::unique_ptr<PpdConstraintIndex> Build(
        const PpdPointerArray<PpdFeature>& features,
        const PpdPointerArray<InstallableSelection>& installables,
        const PpdPointerArray<UiConstraint>& constraints) noexcept;

    // Sets the marks exactly as walking every constraint for every option
    // and selection would, for the records the index was built from.
    void Evaluate(const PpdPointerArray<PpdFeature>& features,
                  const PpdPointerArray<InstallableSelection>& installables) const noexcept;

private:
    // The keywords of the records by number, for building only.
    struct KeywordNumbers;

    PpdConstraintIndex() noexcept;

    // The phases of Build after the numbering, each false for want of
    // memory. The deciding selection of each feature and where its options
    // start; one list per option keyword within the features of one
    // keyword; the first options of the constraints that count, by list.
    [[nodiscard]] bool PlaceFeatures(const PpdPointerArray<PpdFeature>& features,
                                     const std::int32_t* keywordOfFeature,
                                     const std::int32_t* decidingOfKeyword) noexcept;
    [[nodiscard]] bool ListOptionKeywords(const PpdPointerArray<PpdFeature>& features,
                                          const std::int32_t* keywordOfFeature,
                                          PpdTextIdTable& lists) noexcept;
    [[nodiscard]] bool GatherRulingOptions(const PpdPointerArray<UiConstraint>& constraints,
                                           const KeywordNumbers& numbers,
                                           const std::int32_t* decidingOfKeyword,
                                           const PpdTextIdTable& lists) noexcept;

    // Per feature in model order: the deciding selection, -1 for none (the
    // marks stay) and for the features of "InstallableOptions".
    std::unique_ptr<std::int32_t[]> pDecidingSelections_;
    // Per feature: where its options start in pOptionRuleLists_.
    std::unique_ptr<std::int32_t[]> pFirstOptions_;
    // Per option: its list of ruling texts, shared by options of the same
    // keyword in features of the same keyword.
    std::unique_ptr<std::int32_t[]> pOptionRuleLists_;
    // Per list, where its texts start in ppRulingOptions_; one more entry
    // ends the last list.
    std::unique_ptr<std::int32_t[]> pListStarts_;
    // The first option keywords of the constraints, grouped by list.
    std::unique_ptr<const PpdConstraintText*[]> ppRulingOptions_;
};

}  // namespace marlow
