// Reads an extended dialog template (DLGTEMPLATEEX) as the dialog manager
// does: the dialog's own fields, its font, and each control.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marlow::test {

struct DialogControl {
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::int32_t id = 0;
    std::wstring className;  // predefined classes by name, whether stored as atom or text
    std::wstring text;
};

struct DialogTemplate {
    bool bExtended = false;
    std::uint32_t style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring caption;
    std::uint16_t pointSize = 0;
    std::uint16_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t charset = 0;
    std::wstring typeface;
    std::vector<DialogControl> controls;
};

// Returns a template with bExtended false when the data is no extended
// template or ends early.
DialogTemplate ReadDialogTemplate(const void* pData, std::size_t size);

}  // namespace marlow::test
