#include "devmode/private_devmode.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace marlow {

std::uint32_t ReadPrivateDevmodeU32(const void* pRecord, std::size_t offset) noexcept {
    const auto* p = static_cast<const unsigned char*>(pRecord) + offset;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void WritePrivateDevmodeU32(void* pRecord, std::size_t offset, std::uint32_t value) noexcept {
    auto* p = static_cast<unsigned char*>(pRecord) + offset;
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
    p[2] = static_cast<unsigned char>(value >> 16);
    p[3] = static_cast<unsigned char>(value >> 24);
}

std::uint8_t ReadPrivateDevmodeU8(const void* pRecord, std::size_t offset) noexcept {
    return static_cast<const unsigned char*>(pRecord)[offset];
}

void WritePrivateDevmodeU8(void* pRecord, std::size_t offset, std::uint8_t value) noexcept {
    static_cast<unsigned char*>(pRecord)[offset] = value;
}

namespace {

char16_t ReadUnit(const unsigned char* p) noexcept {
    return static_cast<char16_t>(p[0] | p[1] << 8);
}

void WriteUnit(unsigned char* p, char16_t unit) noexcept {
    p[0] = static_cast<unsigned char>(unit);
    p[1] = static_cast<unsigned char>(unit >> 8);
}

}  // namespace

std::size_t ReadPrivateDevmodeText(const void* pRecord, PrivateDevmodeText field,
                                   char16_t* pText) noexcept {
    const auto* p = static_cast<const unsigned char*>(pRecord) + field.offset;
    std::size_t length = 0;
    for (; length < field.units; ++length) {
        const char16_t unit = ReadUnit(p + 2 * length);
        if (unit == u'\0') {
            break;
        }
        pText[length] = unit;
    }
    pText[length] = u'\0';
    return length;
}

void WritePrivateDevmodeText(void* pRecord, PrivateDevmodeText field, const char16_t* pText,
                             std::size_t length) noexcept {
    auto* p = static_cast<unsigned char*>(pRecord) + field.offset;
    const std::size_t stored = std::min(length, field.units - 1);
    for (std::size_t i = 0; i < stored; ++i) {
        WriteUnit(p + 2 * i, pText[i]);
    }
    WriteUnit(p + 2 * stored, u'\0');
}

void SetPrivateDevmodeDefaults(void* pRecord) noexcept {
    if (pRecord == nullptr) {
        return;
    }
    auto* p = static_cast<unsigned char*>(pRecord);
    WritePrivateDevmodeU32(p, offsetof(PrivateDevmode, dwSize), PRIVATE_DEVMODE_SIZE);
    WritePrivateDevmodeU32(p, offsetof(PrivateDevmode, dwSignature), PRIVATE_DEVMODE_SIGNATURE);
    WritePrivateDevmodeU32(p, offsetof(PrivateDevmode, dwVersion), PRIVATE_DEVMODE_VERSION);
    WritePrivateDevmodeU32(p, offsetof(PrivateDevmode, dwReserved1), 1);
    p[offsetof(PrivateDevmode, bSaveAccessControl)] = 0;
    WritePrivateDevmodeU32(p, offsetof(PrivateDevmode, dwReserveJobType), RESERVE_JOB_NONE);
    // The five text fields lie back to back, from the job user name to the
    // end of the access password.
    const std::size_t textStart = offsetof(PrivateDevmode, wszJobUserName);
    const std::size_t textEnd = offsetof(PrivateDevmode, abPadding2);
    std::memset(p + textStart, 0, textEnd - textStart);
    WritePrivateDevmodeU32(p, offsetof(PrivateDevmode, dwReserved2), 0);
}

bool MergePrivateDevmode(const void* pIncoming, void* pOutgoing) noexcept {
    return MergePrivateDevmode(pIncoming, SIZE_MAX, pOutgoing);
}

bool MergePrivateDevmode(const void* pIncoming, std::size_t cbIncoming, void* pOutgoing) noexcept {
    if (pIncoming == nullptr || pOutgoing == nullptr) {
        return false;
    }
    const std::size_t signatureAt = offsetof(PrivateDevmode, dwSignature);
    // A section too short to hold a signature is no section of ours.
    if (cbIncoming < signatureAt + sizeof(std::uint32_t) ||
        ReadPrivateDevmodeU32(pIncoming, signatureAt) !=
            ReadPrivateDevmodeU32(pOutgoing, signatureAt)) {
        SetPrivateDevmodeDefaults(pOutgoing);
        return true;
    }
    // Both sizes come from stored data and may be anything: the outgoing
    // record is ours and 172 bytes long, so no more than that is ever copied,
    // and nothing beyond the bytes the incoming section really has.
    const std::uint32_t incomingSize = ReadPrivateDevmodeU32(pIncoming, 0);
    const std::uint32_t outgoingSize = ReadPrivateDevmodeU32(pOutgoing, 0);
    const std::size_t copyLength =
        std::min({static_cast<std::size_t>(incomingSize), static_cast<std::size_t>(outgoingSize),
                  static_cast<std::size_t>(PRIVATE_DEVMODE_SIZE), cbIncoming});
    // memmove: a host may hand the same section in and out.
    std::memmove(pOutgoing, pIncoming, copyLength);
    WritePrivateDevmodeU32(pOutgoing, offsetof(PrivateDevmode, dwSize), PRIVATE_DEVMODE_SIZE);
    WritePrivateDevmodeU32(pOutgoing, offsetof(PrivateDevmode, dwVersion), PRIVATE_DEVMODE_VERSION);
    TerminatePrivateDevmodeTexts(pOutgoing);
    return true;
}

void TerminatePrivateDevmodeTexts(void* pRecord) noexcept {
    auto* p = static_cast<unsigned char*>(pRecord);
    for (const PrivateDevmodeText& field : kPrivateDevmodeTexts) {
        bool bTerminated = false;
        for (std::size_t i = 0; i < field.units && !bTerminated; ++i) {
            bTerminated = ReadUnit(p + field.offset + 2 * i) == u'\0';
        }
        if (!bTerminated) {
            WriteUnit(p + field.offset + 2 * (field.units - 1), u'\0');
        }
    }
}

}  // namespace marlow
