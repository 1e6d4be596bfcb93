#include "private_section_report.h"

#include "devmode/private_devmode.h"
#include "host/utf8_text.h"
#include "platform/windows_sdk.h"

#include <cstddef>
#include <cstring>
#include <string>

namespace marlow::host {
namespace {

// A text field up to its first NUL, never past its end, as UTF-8.
std::string DecodeTextField(const void* pRecord, std::size_t offset, std::size_t units) {
    const auto* bytes = static_cast<const unsigned char*>(pRecord) + offset;
    std::wstring text;
    for (std::size_t i = 0; i < units; ++i) {
        const wchar_t unit = static_cast<wchar_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
        if (unit == L'\0') {
            break;
        }
        text.push_back(unit);
    }
    return ToUtf8(text);
}

const char* DescribeJobType(std::uint32_t type) {
    switch (type) {
    case RESERVE_JOB_NONE:
        return "no stored job";
    case RESERVE_JOB_REPRINT:
        return "Re-Print Job";
    case RESERVE_JOB_VERIFY:
        return "Verify Job";
    case RESERVE_JOB_CONFIDENTIAL:
        return "Confidential Job";
    default:
        return "unknown, read as no stored job";
    }
}

std::string DescribeSignature(std::uint32_t signature) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((signature >> shift) & 0xFF);
        text.push_back(c >= 0x20 && c < 0x7F ? c : '?');
    }
    return text;
}

void PrintText(std::FILE* out, const char* label, const void* pRecord, std::size_t offset,
               std::size_t units) {
    std::fprintf(out, "    %-20s \"%s\"\n", label, DecodeTextField(pRecord, offset, units).c_str());
}

}  // namespace

void PrintPrivateSection(std::FILE* out, const void* pRecord) {
    const auto u32 = [&](std::size_t offset) { return ReadPrivateDevmodeU32(pRecord, offset); };
    const auto* bytes = static_cast<const unsigned char*>(pRecord);
    const std::uint32_t signature = u32(offsetof(PrivateDevmode, dwSignature));
    const std::uint32_t jobType = u32(offsetof(PrivateDevmode, dwReserveJobType));

    std::fprintf(out, "    %-20s %u bytes\n", "dwSize", u32(offsetof(PrivateDevmode, dwSize)));
    std::fprintf(out, "    %-20s 0x%08X '%s'\n", "dwSignature", signature,
                 DescribeSignature(signature).c_str());
    std::fprintf(out, "    %-20s %u\n", "dwVersion", u32(offsetof(PrivateDevmode, dwVersion)));
    std::fprintf(out, "    %-20s %u\n", "dwReserved1", u32(offsetof(PrivateDevmode, dwReserved1)));
    std::fprintf(out, "    %-20s %s\n", "bSaveAccessControl",
                 bytes[offsetof(PrivateDevmode, bSaveAccessControl)] != 0 ? "on" : "off");
    std::fprintf(out, "    %-20s %u (%s)\n", "dwReserveJobType", jobType, DescribeJobType(jobType));
    PrintText(out, "wszJobUserName", pRecord, offsetof(PrivateDevmode, wszJobUserName),
              JOB_USER_NAME_UNITS);
    PrintText(out, "wszJobName", pRecord, offsetof(PrivateDevmode, wszJobName), JOB_NAME_UNITS);
    PrintText(out, "wszJobPassword", pRecord, offsetof(PrivateDevmode, wszJobPassword),
              JOB_PASSWORD_UNITS);
    PrintText(out, "wszAccessUserName", pRecord, offsetof(PrivateDevmode, wszAccessUserName),
              ACCESS_USER_NAME_UNITS);
    PrintText(out, "wszAccessPassword", pRecord, offsetof(PrivateDevmode, wszAccessPassword),
              ACCESS_PASSWORD_UNITS);
    std::fprintf(out, "    %-20s %u\n", "dwReserved2", u32(offsetof(PrivateDevmode, dwReserved2)));
}

}  // namespace marlow::host
