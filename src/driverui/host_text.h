// Texts crossing between the host's records (WCHAR, UTF-16 on Windows) and
// the PPD model (char16_t). Copied unit for unit: the two types have the same
// width but may not alias each other.
#pragma once

#include "platform/windows_sdk.h"
#include "ppd/ppd_text.h"

namespace marlow {

static_assert(sizeof(WCHAR) == sizeof(char16_t), "WCHAR is UTF-16 here");

// A host text as the model compares it. A text longer than any model text
// (PpdText::kMaxLength units) keeps one unit more, so that it equals none.
class HostText {
public:
    explicit HostText(const WCHAR* text);
    const char16_t* Get() const { return units_; }

private:
    char16_t units_[PpdText::kCapacity + 1];
};

// A model text for the host's side (keywords for the feature table and the
// driver's settings).
class ModelText {
public:
    explicit ModelText(const PpdText& text);
    const WCHAR* Get() const { return units_; }

private:
    WCHAR units_[PpdText::kCapacity];
};

}  // namespace marlow
