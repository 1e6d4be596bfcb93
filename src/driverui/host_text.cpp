#include "driverui/host_text.h"

namespace marlow {

HostText::HostText(const WCHAR* text) {
    int length = 0;
    if (text != nullptr) {
        for (; length < PpdText::kCapacity && text[length] != L'\0'; ++length) {
            units_[length] = static_cast<char16_t>(text[length]);
        }
    }
    units_[length] = u'\0';
}

ModelText::ModelText(const PpdText& text) {
    const std::int32_t length = text.Length();
    const char16_t* units = text.Text();
    for (std::int32_t i = 0; i < length; ++i) {
        units_[i] = static_cast<WCHAR>(units[i]);
    }
    units_[length] = L'\0';
}

}  // namespace marlow
