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

void PrintField(std::FILE* out, const unsigned char* section, const SectionField& field) {
    const std::string name = field.name;
    switch (field.kind) {
    case SectionFieldKind::kText:
        std::fprintf(out, "    %-20s \"%s\"\n", field.name, ToUtf8(ReadSectionText(section, field)).c_str());
        break;
    case SectionFieldKind::kByte:
        std::fprintf(out, "    %-20s %s\n", field.name, section[field.offset] != 0 ? "on" : "off");
        break;
    case SectionFieldKind::kU32: {
        const std::uint32_t value = ReadSectionU32(section, field.offset);
        if (name == "dwSize") {
            std::fprintf(out, "    %-20s %u bytes\n", field.name, value);
        } else if (name == "dwSignature") {
            std::fprintf(out, "    %-20s 0x%08X '%s'\n", field.name, value, DescribeSignature(value).c_str());
        } else if (name == "dwReserveJobType") {
            std::fprintf(out, "    %-20s %u (%s)\n", field.name, value, DescribeReserveJobType(value));
        } else {
            std::fprintf(out, "    %-20s %u\n", field.name, value);
        }
        break;
    }
    }
}

}  // namespace

void PrintPrivateSection(std::FILE* out, const unsigned char* section, std::size_t size) {
    for (const SectionField& field : PrivateSectionFields()) {
        const std::size_t width = field.kind == SectionFieldKind::kText ? 2 * field.units
                                  : field.kind == SectionFieldKind::kByte ? 1
                                                                          : 4;
        if (field.offset + width > size) {
            std::fprintf(out, "    %-20s (beyond the section's %u bytes)\n", field.name,
                         static_cast<unsigned>(size));
            continue;
        }
        PrintField(out, section, field);
    }
}

}  // namespace marlow::host
