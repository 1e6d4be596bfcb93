#include "ppd/ppd_constraint_index.h"

#include <new>

#include "ppd/ppd_text_id_table.h"

namespace marlow {

namespace {

// At least one element, so that an empty model gets arrays too.
template <typename T>
std::unique_ptr<T[]> AllocateArray(std::int64_t count, T initial) noexcept {
    if (count > INT32_MAX) {
        return nullptr;
    }
    std::unique_ptr<T[]> array(new (std::nothrow) T[count > 0 ? count : 1]);
    if (array) {
        for (std::int64_t i = 0; i < count; ++i) {
            array[i] = initial;
        }
    }
    return array;
}

std::int32_t Find(const PpdTextIdTable& table, const PpdConstraintText& text,
                  std::int32_t tag) noexcept {
    return table.Find(text.Text(), text.Length(), tag);
}

}  // namespace

// The feature keywords numbered, equal keywords alike, and the two feature
// keywords of each constraint by those numbers (-1: no feature has it).
struct PpdConstraintIndex::KeywordNumbers {
    PpdTextIdTable table;
    std::unique_ptr<std::int32_t[]> pOfFeatures;
    std::unique_ptr<std::int32_t[]> pOfSelections;
    std::unique_ptr<std::int32_t[]> pFirstOfConstraints;
    std::unique_ptr<std::int32_t[]> pSecondOfConstraints;

    bool Number(const PpdPointerArray<PpdFeature>& features,
                const PpdPointerArray<InstallableSelection>& installables,
                const PpdPointerArray<UiConstraint>& constraints) noexcept {
        pOfFeatures = AllocateArray<std::int32_t>(features.Count(), -1);
        pOfSelections = AllocateArray<std::int32_t>(installables.Count(), -1);
        pFirstOfConstraints = AllocateArray<std::int32_t>(constraints.Count(), -1);
        pSecondOfConstraints = AllocateArray<std::int32_t>(constraints.Count(), -1);
        if (!table.Allocate(features.Count()) || !pOfFeatures || !pOfSelections ||
            !pFirstOfConstraints || !pSecondOfConstraints) {
            return false;
        }
        for (std::int32_t f = 0; f < features.Count(); ++f) {
            pOfFeatures[f] = table.FindOrAdd(features.At(f)->keyword, 0);
        }
        for (std::int32_t s = 0; s < installables.Count(); ++s) {
            pOfSelections[s] = table.Find(installables.At(s)->keyword, 0);
        }
        for (std::int32_t c = 0; c < constraints.Count(); ++c) {
            const UiConstraint& constraint = *constraints.At(c);
            pFirstOfConstraints[c] = Find(table, constraint.firstFeature, 0);
            pSecondOfConstraints[c] = Find(table, constraint.secondFeature, 0);
        }
        return true;
    }

    std::unique_ptr<std::int32_t[]> FindDecidingSelections(
        std::int32_t selectionCount, std::int32_t constraintCount) const noexcept;
};

// Per feature keyword, the last selection in model order that some
// constraint joins to it (first feature: the selection's keyword, second
// feature: this one), or -1.
std::unique_ptr<std::int32_t[]> PpdConstraintIndex::KeywordNumbers::FindDecidingSelections(
    std::int32_t selectionCount, std::int32_t constraintCount) const noexcept {
    const std::int32_t keywordCount = table.Count();
    std::unique_ptr<std::int32_t[]> lastOfKeyword = AllocateArray<std::int32_t>(keywordCount, -1);
    std::unique_ptr<std::int32_t[]> deciding = AllocateArray<std::int32_t>(keywordCount, -1);
    if (!lastOfKeyword || !deciding) {
        return nullptr;
    }
    for (std::int32_t s = 0; s < selectionCount; ++s) {
        if (pOfSelections[s] >= 0) {
            lastOfKeyword[pOfSelections[s]] = s;
        }
    }
    for (std::int32_t c = 0; c < constraintCount; ++c) {
        const std::int32_t first = pFirstOfConstraints[c];
        const std::int32_t second = pSecondOfConstraints[c];
        if (first >= 0 && second >= 0 && lastOfKeyword[first] > deciding[second]) {
            deciding[second] = lastOfKeyword[first];
        }
    }
    return deciding;
}

PpdConstraintIndex::PpdConstraintIndex() noexcept = default;

PpdConstraintIndex::~PpdConstraintIndex() = default;

std::unique_ptr<PpdConstraintIndex> PpdConstraintIndex::Build(
    const PpdPointerArray<PpdFeature>& features,
    const PpdPointerArray<InstallableSelection>& installables,
    const PpdPointerArray<UiConstraint>& constraints) noexcept {
    std::unique_ptr<PpdConstraintIndex> index(new (std::nothrow) PpdConstraintIndex);
    KeywordNumbers numbers;
    if (!index || !numbers.Number(features, installables, constraints)) {
        return nullptr;
    }
    const std::unique_ptr<std::int32_t[]> decidingOfKeyword =
        numbers.FindDecidingSelections(installables.Count(), constraints.Count());
    PpdTextIdTable lists;
    if (!decidingOfKeyword ||
        !index->PlaceFeatures(features, numbers.pOfFeatures.get(), decidingOfKeyword.get()) ||
        !index->ListOptionKeywords(features, numbers.pOfFeatures.get(), lists) ||
        !index->GatherRulingOptions(constraints, numbers, decidingOfKeyword.get(), lists)) {
        return nullptr;
    }
    return index;
}

bool PpdConstraintIndex::PlaceFeatures(const PpdPointerArray<PpdFeature>& features,
                                       const std::int32_t* keywordOfFeature,
                                       const std::int32_t* decidingOfKeyword) noexcept {
    const std::int32_t featureCount = features.Count();
    pDecidingSelections_ = AllocateArray<std::int32_t>(featureCount, -1);
    pFirstOptions_ = AllocateArray<std::int32_t>(std::int64_t{featureCount} + 1, 0);
    if (!pDecidingSelections_ || !pFirstOptions_) {
        return false;
    }
    std::int64_t optionCount = 0;
    for (std::int32_t f = 0; f < featureCount; ++f) {
        const PpdFeature& feature = *features.At(f);
        if (!feature.IsInstallable()) {
            pDecidingSelections_[f] = decidingOfKeyword[keywordOfFeature[f]];
        }
        pFirstOptions_[f] = static_cast<std::int32_t>(optionCount);
        optionCount += feature.GetOptionCount();
        if (optionCount > INT32_MAX) {
            return false;
        }
    }
    pFirstOptions_[featureCount] = static_cast<std::int32_t>(optionCount);
    return true;
}

bool PpdConstraintIndex::ListOptionKeywords(const PpdPointerArray<PpdFeature>& features,
                                            const std::int32_t* keywordOfFeature,
                                            PpdTextIdTable& lists) noexcept {
    const std::int32_t optionCount = pFirstOptions_[features.Count()];
    pOptionRuleLists_ = AllocateArray<std::int32_t>(optionCount, -1);
    if (!pOptionRuleLists_ || !lists.Allocate(optionCount)) {
        return false;
    }
    for (std::int32_t f = 0; f < features.Count(); ++f) {
        if (pDecidingSelections_[f] < 0) {
            continue;
        }
        const PpdFeature& feature = *features.At(f);
        for (std::int32_t o = 0; o < feature.GetOptionCount(); ++o) {
            pOptionRuleLists_[pFirstOptions_[f] + o] =
                lists.FindOrAdd(feature.GetPpdOption(o)->keyword, keywordOfFeature[f]);
        }
    }
    return true;
}

bool PpdConstraintIndex::GatherRulingOptions(const PpdPointerArray<UiConstraint>& constraints,
                                             const KeywordNumbers& numbers,
                                             const std::int32_t* decidingOfKeyword,
                                             const PpdTextIdTable& lists) noexcept {
    // First the list of each constraint that counts, and the lists' sizes.
    const std::int32_t constraintCount = constraints.Count();
    std::unique_ptr<std::int32_t[]> listOfConstraint =
        AllocateArray<std::int32_t>(constraintCount, -1);
    pListStarts_ = AllocateArray<std::int32_t>(std::int64_t{lists.Count()} + 1, 0);
    if (!listOfConstraint || !pListStarts_) {
        return false;
    }
    for (std::int32_t c = 0; c < constraintCount; ++c) {
        const std::int32_t first = numbers.pFirstOfConstraints[c];
        const std::int32_t second = numbers.pSecondOfConstraints[c];
        if (first < 0 || second < 0) {
            continue;
        }
        const std::int32_t deciding = decidingOfKeyword[second];
        if (deciding < 0 || numbers.pOfSelections[deciding] != first) {
            continue;
        }
        const std::int32_t list = Find(lists, constraints.At(c)->secondOption, second);
        listOfConstraint[c] = list;
        if (list >= 0) {
            ++pListStarts_[list + 1];
        }
    }
    // Then the lists laid out one after another, in constraint order.
    for (std::int32_t l = 0; l < lists.Count(); ++l) {
        pListStarts_[l + 1] += pListStarts_[l];
    }
    ppRulingOptions_ =
        AllocateArray<const PpdConstraintText*>(pListStarts_[lists.Count()], nullptr);
    std::unique_ptr<std::int32_t[]> filled = AllocateArray<std::int32_t>(lists.Count(), 0);
    if (!ppRulingOptions_ || !filled) {
        return false;
    }
    for (std::int32_t c = 0; c < constraintCount; ++c) {
        const std::int32_t list = listOfConstraint[c];
        if (list >= 0) {
            ppRulingOptions_[pListStarts_[list] + filled[list]++] = &constraints.At(c)->firstOption;
        }
    }
    return true;
}

void PpdConstraintIndex::Evaluate(
    const PpdPointerArray<PpdFeature>& features,
    const PpdPointerArray<InstallableSelection>& installables) const noexcept {
    for (std::int32_t f = 0; f < features.Count(); ++f) {
        const std::int32_t deciding = pDecidingSelections_[f];
        if (deciding < 0) {
            continue;  // no selection is joined to the feature: the marks stay
        }
        const PpdText& current = installables.At(deciding)->currentOption;
        const PpdFeature& feature = *features.At(f);
        const std::int32_t* lists = &pOptionRuleLists_[pFirstOptions_[f]];
        for (std::int32_t o = 0; o < feature.GetOptionCount(); ++o) {
            std::uint8_t bRuledOut = 0;
            if (lists[o] >= 0) {
                for (std::int32_t i = pListStarts_[lists[o]]; i < pListStarts_[lists[o] + 1]; ++i) {
                    if (ppRulingOptions_[i]->Equals(current)) {
                        bRuledOut = 1;
                        break;
                    }
                }
            }
            feature.options.At(o)->bConstrained = bRuledOut;
        }
    }
}

}  // namespace marlow
