// The host kit's own description of the plug-in's private settings section,
// for programs that show or forge one (marlowhost): where each field lies in
// the stored bytes. Written from the stored format, not from the plug-in's
// headers, so that a report made with it checks the plug-in from outside.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace marlow::host {

enum class SectionFieldKind { kU32, kByte, kText };

struct SectionField {
    const char* name;
    std::size_t offset;
    SectionFieldKind kind;
    std::size_t units;  // UTF-16 units of a text field, terminator included
};

// In storage order; the padding is left out.
const std::vector<SectionField>& PrivateSectionFields();

// The field of this name; null when there is none.
const SectionField* FindSectionField(const char* name);

// Reads and writes a field of a section of at least offset + width bytes.
// Integers are little-endian; text is UTF-16LE, read up to its first NUL and
// never past the field, written with its NUL and cut to fit.
std::uint32_t ReadSectionU32(const unsigned char* section, std::size_t offset);
void WriteSectionU32(unsigned char* section, std::size_t offset, std::uint32_t value);
std::wstring ReadSectionText(const unsigned char* section, const SectionField& field);
void WriteSectionText(unsigned char* section, const SectionField& field, const std::wstring& text);

// The stored-job kinds as the Extended Settings page names them.
const char* DescribeReserveJobType(std::uint32_t type);

}  // namespace marlow::host
