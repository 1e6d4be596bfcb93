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
    virtual ~PpdText();

    std::int32_t Length() const { return nLength_; }
    // Always zero-terminated.
    const char16_t* Text() const { return wszText_; }

    void Clear();
    // Copies the range, cut to kMaxLength units; a null or negative range
    // gives the empty text.
    void Assign(const char16_t* units, std::int32_t count);

    // Exact comparison over the whole text; the length check first is only
    // a quick rejection.
    bool Equals(const char16_t* units, std::int32_t count) const;
    bool Equals(const PpdText& other) const;
    // The same for a zero-terminated text; an absent text equals nothing.
    bool EqualsString(const char16_t* text) const;

private:
    std::int32_t nLength_;
    char16_t wszText_[kCapacity];
};

// Length of a zero-terminated UTF-16 text; 0 for an absent one.
std::int32_t MeasureText(const char16_t* text);

}  // namespace marlow
