// The records of the PPD model: features with their options, the
// "*UIConstraints" statements, and the installable selections. The model owns
// each of them as a separate heap object.
#pragma once

#include <cstdint>
#include <memory>

#include "ppd/ppd_pointer_array.h"
#include "ppd/ppd_text.h"

namespace marlow {

// The group whose features describe the installed hardware.
inline constexpr char16_t kInstallableOptionsGroup[] = u"InstallableOptions";

constexpr std::int32_t kFirstFeatureCapacity = 32;
constexpr std::int32_t kFirstConstraintCapacity = 512;
constexpr std::int32_t kFirstInstallableCapacity = 32;
constexpr std::int32_t kFirstOptionCapacity = 64;

// One option statement inside a feature block.
struct PpdOption {
    PpdText keyword;      // for example "LC3"
    PpdText translation;  // the keyword when the statement has none
    // 1 when the installed hardware rules the option out; only the
    // constraint evaluation writes it.
    std::uint8_t bConstrained = 0;
};

// One "*OpenUI" block.
struct PpdFeature {
    PpdText keyword;        // with its asterisk, for example "*InputSlot"
    PpdText translation;    // the keyword without its asterisk when there is none
    PpdText defaultOption;  // from the block's last "*Default..." statement
    PpdText groupKeyword;   // the group open at "*OpenUI"; empty outside any
    bool bQuerySeen = false;
    PpdPointerArray<PpdOption> options;

    // Whether the feature was declared in the group "InstallableOptions"
    // (exact spelling): it then describes installed hardware and is never
    // marked itself.
    bool IsInstallable() const { return groupKeyword.EqualsString(kInstallableOptionsGroup); }

    std::int32_t GetOptionCount() const { return options.Count(); }
    // Null when the index is out of range.
    const PpdOption* GetPpdOption(std::int32_t index) const { return options.At(index); }
};

// A text of a constraint: the same content and comparisons as a PpdText (at
// most 259 units, zero-terminated), kept at its own length in the
// constraint's record.
class PpdConstraintText {
public:
    PpdConstraintText() noexcept : pUnits_(u""), nLength_(0) {}

    std::int32_t Length() const { return nLength_; }
    const char16_t* Text() const { return pUnits_; }

    bool Equals(const PpdText& other) const { return other.Equals(pUnits_, nLength_); }
    bool Equals(const PpdConstraintText& other) const {
        if (other.nLength_ != nLength_) {
            return false;
        }
        for (std::int32_t i = nLength_ - 1; i >= 0; --i) {
            if (pUnits_[i] != other.pUnits_[i]) {
                return false;
            }
        }
        return true;
    }

private:
    friend class UiConstraint;

    const char16_t* pUnits_;
    std::int32_t nLength_;
};

// One "*UIConstraints" statement, its four tokens in statement order. A
// printer's file can hold ten thousand of these, so the record keeps its
// texts at their own length, in one heap block with the record, rather than
// in four 260-unit texts.
class UiConstraint {
public:
    UiConstraint(const UiConstraint&) = delete;
    UiConstraint& operator=(const UiConstraint&) = delete;

    // The record with copies of the four texts; null for want of memory.
    static std::unique_ptr<UiConstraint> Create(const PpdText (&texts)[4]) noexcept;

    // Frees the block that Create allocated.
    static void operator delete(void* block) noexcept;

    PpdConstraintText firstFeature;
    PpdConstraintText firstOption;
    PpdConstraintText secondFeature;
    PpdConstraintText secondOption;

private:
    UiConstraint() noexcept = default;
};

// The installed hardware: one per feature read completely inside the group
// "InstallableOptions".
struct InstallableSelection {
    PpdText keyword;
    // The feature's default option until the printer's setting replaces it.
    PpdText currentOption;
};

}  // namespace marlow
