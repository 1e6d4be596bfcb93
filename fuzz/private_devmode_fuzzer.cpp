// libFuzzer target: the private section's defaults and the merge of an
// arbitrary incoming section (any length, any claimed size, any bytes) into
// an outgoing record, as the host's convert and merge requests hand them
// over. The incoming bytes are an exact-size heap copy, so AddressSanitizer
// sees any read beyond them; the outgoing record has guard bytes behind it.
//
// Input: one byte of choices, then (when its low bit is set) the 172 bytes
// the outgoing record holds before the merge, then the incoming section.
// Without that bit the outgoing record holds the defaults.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "devmode/private_devmode.h"

namespace {

using marlow::PRIVATE_DEVMODE_SIZE;
using marlow::PrivateDevmode;
using marlow::PrivateDevmodeText;

constexpr std::size_t kGuard = 64;
constexpr unsigned char kGuardByte = 0xE7;

void Require(bool bHolds) {
    if (!bHolds) {
        std::abort();
    }
}

struct Outgoing {
    unsigned char bytes[PRIVATE_DEVMODE_SIZE + kGuard];
    Outgoing() { std::memset(bytes, kGuardByte, sizeof(bytes)); }
    std::uint32_t U32(std::size_t offset) const { return marlow::ReadPrivateDevmodeU32(bytes, offset); }
    bool GuardIntact() const {
        for (std::size_t i = PRIVATE_DEVMODE_SIZE; i < sizeof(bytes); ++i) {
            if (bytes[i] != kGuardByte) return false;
        }
        return true;
    }
};

std::uint32_t ReadU32(const unsigned char* p) { return marlow::ReadPrivateDevmodeU32(p, 0); }

// What the page's filters let through into each field.
bool PassesName(char16_t c) { return c >= 0x20 && c <= 0x7E && c != 0x22 && c != 0x25; }
bool PassesAccessPassword(char16_t c) { return c >= 0x21 && c <= 0x7E; }
bool PassesJobPassword(char16_t c) { return c >= 0x30 && c <= 0x39; }

bool (*FilterOf(const PrivateDevmodeText& field))(char16_t) {
    if (field.offset == marlow::JOB_PASSWORD_TEXT.offset) return PassesJobPassword;
    if (field.offset == marlow::ACCESS_PASSWORD_TEXT.offset) return PassesAccessPassword;
    return PassesName;
}

bool IsTerminated(const unsigned char* record, const PrivateDevmodeText& field) {
    for (std::size_t i = 0; i < field.units; ++i) {
        if (record[field.offset + 2 * i] == 0 && record[field.offset + 2 * i + 1] == 0) return true;
    }
    return false;
}

bool IsKnownJobType(std::uint32_t type) {
    return type == marlow::RESERVE_JOB_NONE || type == marlow::RESERVE_JOB_REPRINT ||
           type == marlow::RESERVE_JOB_VERIFY || type == marlow::RESERVE_JOB_CONFIDENTIAL;
}

// A section as the plug-in itself writes it: every text ends within its
// field and holds only what the filters let through, and the stored-job type
// is one of the four.
bool IsSound(const unsigned char* record) {
    if (!IsKnownJobType(marlow::ReadPrivateDevmodeU32(record, offsetof(PrivateDevmode, dwReserveJobType)))) {
        return false;
    }
    for (const PrivateDevmodeText& field : marlow::kPrivateDevmodeTexts) {
        if (!IsTerminated(record, field)) return false;
        char16_t text[marlow::ACCESS_PASSWORD_UNITS + 1];
        const std::size_t length = marlow::ReadPrivateDevmodeText(record, field, text);
        for (std::size_t i = 0; i < length; ++i) {
            if (!FilterOf(field)(text[i])) return false;
        }
    }
    return true;
}

// Byte i of a text field is its field's last unit.
bool IsLastUnitOfAField(std::size_t i) {
    for (const PrivateDevmodeText& field : marlow::kPrivateDevmodeTexts) {
        const std::size_t last = field.offset + 2 * (field.units - 1);
        if (i == last || i == last + 1) return true;
    }
    return false;
}

bool IsPadding(std::size_t i) { return (i >= 17 && i < 20) || (i >= 166 && i < 168); }

// Every output: 172 bytes and not one more, size 172, version 2, every text
// ending within its field.
void CheckEveryOutput(const Outgoing& out) {
    Require(out.GuardIntact());
    Require(out.U32(offsetof(PrivateDevmode, dwSize)) == PRIVATE_DEVMODE_SIZE);
    Require(out.U32(offsetof(PrivateDevmode, dwVersion)) == marlow::PRIVATE_DEVMODE_VERSION);
    for (const PrivateDevmodeText& field : marlow::kPrivateDevmodeTexts) {
        Require(IsTerminated(out.bytes, field));
    }
}

void CheckDefaults(const Outgoing& out, const unsigned char* before) {
    CheckEveryOutput(out);
    Require(out.U32(offsetof(PrivateDevmode, dwSignature)) == marlow::PRIVATE_DEVMODE_SIGNATURE);
    Require(out.U32(offsetof(PrivateDevmode, dwReserved1)) == 1);
    Require(out.bytes[offsetof(PrivateDevmode, bSaveAccessControl)] == 0);
    Require(out.U32(offsetof(PrivateDevmode, dwReserveJobType)) == marlow::RESERVE_JOB_NONE);
    for (std::size_t i = offsetof(PrivateDevmode, wszJobUserName); i < 166; ++i) Require(out.bytes[i] == 0);
    Require(out.U32(offsetof(PrivateDevmode, dwReserved2)) == 0);
    for (std::size_t i = 0; i < PRIVATE_DEVMODE_SIZE; ++i) {
        if (IsPadding(i)) Require(out.bytes[i] == before[i]);
    }
    Require(IsSound(out.bytes));
}

// One merge of `in` (exactly `size` readable bytes) into `out`, whose bytes
// before the merge are `before`, checked against what the merge may do.
void MergeAndCheck(const unsigned char* in, std::size_t size, Outgoing& out) {
    unsigned char before[PRIVATE_DEVMODE_SIZE];
    std::memcpy(before, out.bytes, sizeof(before));
    const bool bSoundBefore = IsSound(before);
    Require(marlow::MergePrivateDevmode(in, size, out.bytes));

    const std::size_t signatureAt = offsetof(PrivateDevmode, dwSignature);
    const bool bSameSignature = size >= signatureAt + 4 && ReadU32(in + signatureAt) == ReadU32(before + signatureAt);
    if (!bSameSignature) {
        CheckDefaults(out, before);
        return;
    }
    CheckEveryOutput(out);
    Require(out.U32(signatureAt) == ReadU32(before + signatureAt));
    // The copy: as many bytes as the smaller size claims, at most 172, never
    // beyond what the incoming section really has.
    std::size_t copied = ReadU32(in);
    if (ReadU32(before) < copied) copied = ReadU32(before);
    if (copied > PRIVATE_DEVMODE_SIZE) copied = PRIVATE_DEVMODE_SIZE;
    if (copied > size) copied = size;
    for (std::size_t i = 12; i < PRIVATE_DEVMODE_SIZE; ++i) {
        const unsigned char expected = i < copied ? in[i] : before[i];
        // The one change beyond the copy: a terminator in a field's last unit.
        Require(out.bytes[i] == expected || (out.bytes[i] == 0 && IsLastUnitOfAField(i)));
    }
    // A sound incoming section merged into a sound record gives a sound one.
    unsigned char soundCheck[PRIVATE_DEVMODE_SIZE];
    std::memcpy(soundCheck, before, sizeof(soundCheck));
    std::memcpy(soundCheck, in, copied);
    if (bSoundBefore && IsSound(soundCheck)) Require(IsSound(out.bytes));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned char choices = data[0];
    ++data;
    --size;

    Outgoing out;
    if ((choices & 1) != 0 && size >= PRIVATE_DEVMODE_SIZE) {
        std::memcpy(out.bytes, data, PRIVATE_DEVMODE_SIZE);
        data += PRIVATE_DEVMODE_SIZE;
        size -= PRIVATE_DEVMODE_SIZE;
    } else {
        unsigned char before[PRIVATE_DEVMODE_SIZE];
        std::memcpy(before, out.bytes, sizeof(before));
        marlow::SetPrivateDevmodeDefaults(out.bytes);
        CheckDefaults(out, before);
    }

    // The incoming section: exactly its bytes on the heap.
    std::unique_ptr<unsigned char[]> in(new unsigned char[size == 0 ? 1 : size]);
    if (size > 0) std::memcpy(in.get(), data, size);
    MergeAndCheck(in.get(), size, out);

    // What came out serves as the next sheet's incoming section: merged into
    // the defaults it arrives whole (its signature is the defaults' when the
    // first merge gave the defaults or kept ours).
    Outgoing next;
    marlow::SetPrivateDevmodeDefaults(next.bytes);
    std::unique_ptr<unsigned char[]> stored(new unsigned char[PRIVATE_DEVMODE_SIZE]);
    std::memcpy(stored.get(), out.bytes, PRIVATE_DEVMODE_SIZE);
    MergeAndCheck(stored.get(), PRIVATE_DEVMODE_SIZE, next);
    if (ReadU32(stored.get() + 4) == marlow::PRIVATE_DEVMODE_SIGNATURE) {
        Require(std::memcmp(next.bytes, stored.get(), PRIVATE_DEVMODE_SIZE) == 0);
    }

    // The same section in and out (a host may hand one record for both).
    if ((choices & 2) != 0) {
        std::memcpy(stored.get(), out.bytes, PRIVATE_DEVMODE_SIZE);
        Require(marlow::MergePrivateDevmode(out.bytes, PRIVATE_DEVMODE_SIZE, out.bytes));
        Require(std::memcmp(stored.get(), out.bytes, PRIVATE_DEVMODE_SIZE) == 0);
        CheckEveryOutput(out);
    }
    // Missing records: refused, nothing written.
    Require(!marlow::MergePrivateDevmode(nullptr, size, out.bytes));
    Require(!marlow::MergePrivateDevmode(in.get(), size, nullptr));
    return 0;
}
