#include "private_section_report.h"

#include "host/private_section_layout.h"
#include "host/utf8_text.h"

#include <string>

namespace marlow::host {
namespace {

std::string DescribeSignature(std::uint32_t signature) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((signature >> shift) & 0xFF);
        text.push_back(c >= 0x20 && c < 0x7F ? c : '?');
    }
    return text;
}

std::string FormatNumber(const char* format, std::uint32_t value, const std::string& extra = "") {
    char text[64];
    std::snprintf(text, sizeof(text), format, value, extra.c_str());
    return text;
}

std::string DecodeField(const unsigned char* section, const SectionField& field) {
    const std::string name = field.name;
    switch (field.kind) {
    case SectionFieldKind::kText:
        return "\"" + ToUtf8(ReadSectionText(section, field)) + "\"";
    case SectionFieldKind::kByte:
        return section[field.offset] != 0 ? "on" : "off";
    case SectionFieldKind::kU32: {
        const std::uint32_t value = ReadSectionU32(section, field.offset);
        if (name == "dwSize") return FormatNumber("%u bytes%s", value);
        if (name == "dwSignature") return FormatNumber("0x%08X '%s'", value, DescribeSignature(value));
        if (name == "dwReserveJobType") {
            return FormatNumber("%u (%s)", value, DescribeReserveJobType(value));
        }
        return FormatNumber("%u%s", value);
    }
    }
    return std::string();
}

}  // namespace

std::vector<DecodedField> DecodePrivateSection(const unsigned char* section, std::size_t size) {
    std::vector<DecodedField> fields;
    for (const SectionField& field : PrivateSectionFields()) {
        const std::size_t width = field.kind == SectionFieldKind::kText ? 2 * field.units
                                  : field.kind == SectionFieldKind::kByte ? 1
                                                                          : 4;
        if (section == nullptr || field.offset + width > size) {
            fields.push_back({field.name, "(beyond the section's " + std::to_string(size) + " bytes)"});
        } else {
            fields.push_back({field.name, DecodeField(section, field)});
        }
    }
    return fields;
}

void PrintPrivateSection(std::FILE* out, const unsigned char* section, std::size_t size) {
    for (const DecodedField& field : DecodePrivateSection(section, size)) {
        std::fprintf(out, "    %-20s %s\n", field.name.c_str(), field.value.c_str());
    }
}

}  // namespace marlow::host
