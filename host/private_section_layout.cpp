#include "host/private_section_layout.h"

#include <cstring>

namespace marlow::host {

const std::vector<SectionField>& PrivateSectionFields() {
    static const std::vector<SectionField> fields = {
        {"dwSize", 0, SectionFieldKind::kU32, 0},
        {"dwSignature", 4, SectionFieldKind::kU32, 0},
        {"dwVersion", 8, SectionFieldKind::kU32, 0},
        {"dwReserved1", 12, SectionFieldKind::kU32, 0},
        {"bSaveAccessControl", 16, SectionFieldKind::kByte, 0},
        {"dwReserveJobType", 20, SectionFieldKind::kU32, 0},
        {"wszJobUserName", 24, SectionFieldKind::kText, 15},
        {"wszJobName", 54, SectionFieldKind::kText, 15},
        {"wszJobPassword", 84, SectionFieldKind::kText, 5},
        {"wszAccessUserName", 94, SectionFieldKind::kText, 15},
        {"wszAccessPassword", 124, SectionFieldKind::kText, 21},
        {"dwReserved2", 168, SectionFieldKind::kU32, 0},
    };
    return fields;
}

const SectionField* FindSectionField(const char* name) {
    for (const SectionField& field : PrivateSectionFields()) {
        if (std::strcmp(field.name, name) == 0) return &field;
    }
    return nullptr;
}

std::uint32_t ReadSectionU32(const unsigned char* section, std::size_t offset) {
    const unsigned char* p = section + offset;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void WriteSectionU32(unsigned char* section, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        section[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

std::wstring ReadSectionText(const unsigned char* section, const SectionField& field) {
    std::wstring text;
    for (std::size_t i = 0; i < field.units; ++i) {
        const std::size_t at = field.offset + 2 * i;
        const auto unit = static_cast<wchar_t>(section[at] | section[at + 1] << 8);
        if (unit == L'\0') break;
        text.push_back(unit);
    }
    return text;
}

void WriteSectionText(unsigned char* section, const SectionField& field, const std::wstring& text) {
    if (field.units == 0) return;
    const std::size_t length = text.size() < field.units ? text.size() : field.units - 1;
    for (std::size_t i = 0; i <= length; ++i) {
        const wchar_t unit = i < length ? text[i] : L'\0';
        section[field.offset + 2 * i] = static_cast<unsigned char>(unit & 0xFF);
        section[field.offset + 2 * i + 1] = static_cast<unsigned char>((unit >> 8) & 0xFF);
    }
}

const char* DescribeReserveJobType(std::uint32_t type) {
    switch (type) {
    case 0:
        return "no stored job";
    case 1:
        return "Re-Print Job";
    case 2:
        return "Verify Job";
    case 4:
        return "Confidential Job";
    default:
        return "unknown, read as no stored job";
    }
}

}  // namespace marlow::host
