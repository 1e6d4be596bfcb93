#include "host/utf8_text.h"

#include "platform/windows_sdk.h"

namespace marlow::host {

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) {
        return std::string();
    }
    const int units = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), units, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), units, &utf8[0], length, nullptr, nullptr);
    return utf8;
}

}  // namespace marlow::host
