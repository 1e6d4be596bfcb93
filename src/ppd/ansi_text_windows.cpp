// The system's ANSI code page, as the driver's own user interface reads the
// PPD file. MultiByteToWideChar answers 0 instead of a cut result when the
// text does not fit, so a long text is converted into a scratch buffer of the
// size it needs first and cut afterwards.
#include <windows.h>

#include <memory>
#include <new>

#include "ppd/ansi_text.h"

namespace marlow {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t");

// The stack buffer a text is converted into when its capacity fits: that of
// the model's texts (PpdText::kCapacity); larger capacities go the long way.
constexpr std::int32_t kStackTextUnits = 260;

std::int32_t CopyCut(const wchar_t* wide, std::int32_t produced, char16_t* out,
                     std::int32_t capacity) {
    std::int32_t length = produced < capacity - 1 ? produced : capacity - 1;
    // Do not leave half of a surrogate pair at the cut.
    if (length < produced && length > 0 && wide[length - 1] >= 0xD800 &&
        wide[length - 1] <= 0xDBFF) {
        --length;
    }
    for (std::int32_t i = 0; i < length; ++i) {
        out[i] = static_cast<char16_t>(wide[i]);
    }
    out[length] = 0;
    return length;
}

std::int32_t ConvertLongText(const char* bytes, char16_t* out, std::int32_t capacity) {
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes, -1, nullptr, 0);
    if (needed <= 0) {
        return 0;
    }
    std::unique_ptr<wchar_t[]> scratch(new (std::nothrow) wchar_t[needed]);
    if (!scratch) {
        return 0;
    }
    const int written = MultiByteToWideChar(CP_ACP, 0, bytes, -1, scratch.get(), needed);
    if (written <= 0) {
        return 0;
    }
    return CopyCut(scratch.get(), written - 1, out, capacity);
}

}  // namespace

std::int32_t ConvertAnsiText(const char* bytes, char16_t* out, std::int32_t capacity) {
    out[0] = 0;
    wchar_t wide[kStackTextUnits];
    if (capacity <= kStackTextUnits) {
        const int written = MultiByteToWideChar(CP_ACP, 0, bytes, -1, wide, capacity);
        if (written > 0) {
            return CopyCut(wide, written - 1, out, capacity);
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            return 0;
        }
    }
    const std::int32_t length = ConvertLongText(bytes, out, capacity);
    out[length] = 0;
    return length;
}

}  // namespace marlow
