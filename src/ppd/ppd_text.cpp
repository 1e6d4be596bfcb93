#include "ppd/ppd_text.h"

#include <cstring>

namespace marlow {

// Only the first unit is set: nothing reads past the terminating zero, and
// the model holds many thousands of these.
PpdText::PpdText() : nLength_(0) { wszText_[0] = 0; }

PpdText::PpdText(const char16_t* units, std::int32_t count) : PpdText() { Assign(units, count); }

PpdText::PpdText(const PpdText& other) : PpdText() { Assign(other.wszText_, other.nLength_); }

PpdText& PpdText::operator=(const PpdText& other) {
    if (this != &other) {
        Assign(other.wszText_, other.nLength_);
    }
    return *this;
}

void PpdText::Clear() {
    nLength_ = 0;
    wszText_[0] = 0;
}

void PpdText::Assign(const char16_t* units, std::int32_t count) {
    if (units == nullptr || count <= 0) {
        Clear();
        return;
    }
    if (count > kMaxLength) {
        count = kMaxLength;
    }
    std::memmove(wszText_, units, static_cast<std::size_t>(count) * sizeof(char16_t));
    wszText_[count] = 0;
    nLength_ = count;
}

bool PpdText::EqualsString(const char16_t* text) const {
    if (text == nullptr) {
        return false;
    }
    // Stop measuring once the text is known to be longer than this one.
    std::int32_t length = 0;
    while (text[length] != 0) {
        if (length == nLength_) {
            return false;
        }
        ++length;
    }
    return Equals(text, length);
}

std::int32_t MeasureText(const char16_t* text) {
    std::int32_t length = 0;
    if (text != nullptr) {
        while (text[length] != 0) {
            ++length;
        }
    }
    return length;
}

}  // namespace marlow
