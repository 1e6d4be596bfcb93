// A fixed-capacity UTF-16 text, embedded by value in the model's records:
// at most 259 code units and a terminating zero, never more.
#pragma once

#include <cstdint>

namespace marlow {

class PpdText {
public:
    static constexpr std::int32_t kCapacity = 260;
    static constexpr std::int32_t kMaxLength = kCapacity - 1;

    PpdText();
    // Builds the text from a range of code units; see Assign.
    PpdText(const char16_t* units, std::int32_t count);
    PpdText(const PpdText& other);
    PpdText& operator=(const PpdText& other);

    std::int32_t Length() const { return nLength_; }
    // Always zero-terminated.
    const char16_t* Text() const { return wszText_; }

    void Clear();
    // Copies the range, cut to kMaxLength units; a null or negative range
    // gives the empty text.
    void Assign(const char16_t* units, std::int32_t count);

    // Exact comparison over the whole text; the length check first is only
    // a quick rejection. Inline: the constraint evaluation compares texts in
    // its innermost loop.
    bool Equals(const char16_t* units, std::int32_t count) const {
        return count == nLength_ && (count == 0 || EqualsUnits(units));
    }
    bool Equals(const PpdText& other) const { return Equals(other.wszText_, other.nLength_); }
    // The same for a zero-terminated text; an absent text equals nothing.
    bool EqualsString(const char16_t* text) const;

private:
    // Compares this text's units with as many of units; false for null.
    // From the last unit back: keywords that differ tend to differ at their
    // end ("LC3" and "LC4"), so most unequal pairs are told apart at once.
    bool EqualsUnits(const char16_t* units) const {
        if (units == nullptr) {
            return false;
        }
        for (std::int32_t i = nLength_ - 1; i >= 0; --i) {
            if (wszText_[i] != units[i]) {
                return false;
            }
        }
        return true;
    }

    std::int32_t nLength_;
    char16_t wszText_[kCapacity];
};

// The model holds many thousands of texts: nothing beside the length and the
// units.
static_assert(sizeof(PpdText) == sizeof(std::int32_t) + PpdText::kCapacity * sizeof(char16_t),
              "a text holds its length and its units only");

// Length of a zero-terminated UTF-16 text; 0 for an absent one.
std::int32_t MeasureText(const char16_t* text);

}  // namespace marlow
