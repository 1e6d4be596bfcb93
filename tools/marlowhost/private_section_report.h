// A private settings section decoded field by field, the way a person
// reads it.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace marlow::host {

struct DecodedField {
    std::string name;
    std::string value;  // UTF-8, as the report shows it
};

// Fields that lie beyond size bytes are named but not read.
std::vector<DecodedField> DecodePrivateSection(const unsigned char* section, std::size_t size);

void PrintPrivateSection(std::FILE* out, const unsigned char* section, std::size_t size);

}  // namespace marlow::host
