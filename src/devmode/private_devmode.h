// The plug-in's private section of the document settings: a persisted,
// pointer-free 172-byte record that the host keeps behind its public DEVMODE
// with every job and printer default. Integers are little-endian and text is
// UTF-16LE; the layout is the same in the 32-bit and the 64-bit builds.
//
// Portable: no Windows header. The host hands the section over as a bare
// pointer that need not be aligned, so the operations below read and write it
// byte by byte at the offsets this struct pins down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace marlow {

constexpr std::uint32_t PRIVATE_DEVMODE_SIZE = 172;
// 'QVPS', first character in the most significant byte: 53 50 56 51 in storage.
constexpr std::uint32_t PRIVATE_DEVMODE_SIGNATURE = 0x51565053;
constexpr std::uint32_t PRIVATE_DEVMODE_VERSION = 2;

// dwReserveJobType. 3 and every other value read as no stored job.
constexpr std::uint32_t RESERVE_JOB_NONE = 0;
constexpr std::uint32_t RESERVE_JOB_REPRINT = 1;
constexpr std::uint32_t RESERVE_JOB_VERIFY = 2;
constexpr std::uint32_t RESERVE_JOB_CONFIDENTIAL = 4;

// Text fields, in UTF-16 units including the terminating NUL.
constexpr std::size_t JOB_USER_NAME_UNITS = 15;
constexpr std::size_t JOB_NAME_UNITS = 15;
constexpr std::size_t JOB_PASSWORD_UNITS = 5;
constexpr std::size_t ACCESS_USER_NAME_UNITS = 15;
constexpr std::size_t ACCESS_PASSWORD_UNITS = 21;

struct PrivateDevmode {
    // OEM_DMEXTRAHEADER: how the host finds and sizes the section.
    std::uint32_t dwSize;
    std::uint32_t dwSignature;
    std::uint32_t dwVersion;

    std::uint32_t dwReserved1;  // not interpreted; merges copy it
    std::uint8_t bSaveAccessControl;  // non-zero: "Save Access Control settings" on
    std::uint8_t abPadding1[3];       // never written by the defaults, never read
    std::uint32_t dwReserveJobType;
    char16_t wszJobUserName[JOB_USER_NAME_UNITS];
    char16_t wszJobName[JOB_NAME_UNITS];
    char16_t wszJobPassword[JOB_PASSWORD_UNITS];  // up to 4 decimal digits
    char16_t wszAccessUserName[ACCESS_USER_NAME_UNITS];
    char16_t wszAccessPassword[ACCESS_PASSWORD_UNITS];
    std::uint8_t abPadding2[2];  // never written by the defaults, never read
    std::uint32_t dwReserved2;   // not interpreted; merges copy it
};

static_assert(std::is_standard_layout<PrivateDevmode>::value, "PrivateDevmode layout");
static_assert(std::is_trivially_copyable<PrivateDevmode>::value, "PrivateDevmode copies as bytes");
static_assert(sizeof(PrivateDevmode) == PRIVATE_DEVMODE_SIZE, "PrivateDevmode size");
static_assert(offsetof(PrivateDevmode, dwSize) == 0, "dwSize");
static_assert(offsetof(PrivateDevmode, dwSignature) == 4, "dwSignature");
static_assert(offsetof(PrivateDevmode, dwVersion) == 8, "dwVersion");
static_assert(offsetof(PrivateDevmode, dwReserved1) == 12, "dwReserved1");
static_assert(offsetof(PrivateDevmode, bSaveAccessControl) == 16, "bSaveAccessControl");
static_assert(offsetof(PrivateDevmode, abPadding1) == 17, "abPadding1");
static_assert(offsetof(PrivateDevmode, dwReserveJobType) == 20, "dwReserveJobType");
static_assert(offsetof(PrivateDevmode, wszJobUserName) == 24, "wszJobUserName");
static_assert(offsetof(PrivateDevmode, wszJobName) == 54, "wszJobName");
static_assert(offsetof(PrivateDevmode, wszJobPassword) == 84, "wszJobPassword");
static_assert(offsetof(PrivateDevmode, wszAccessUserName) == 94, "wszAccessUserName");
static_assert(offsetof(PrivateDevmode, wszAccessPassword) == 124, "wszAccessPassword");
static_assert(offsetof(PrivateDevmode, abPadding2) == 166, "abPadding2");
static_assert(offsetof(PrivateDevmode, dwReserved2) == 168, "dwReserved2");

// Writes the default contents into a 172-byte section; the padding bytes keep
// what they held. A null record is ignored.
void SetPrivateDevmodeDefaults(void* pRecord) noexcept;

// Carries an incoming section into an outgoing one (the host's convert and
// merge requests). Same signature as the outgoing record holds now: the first
// min(incoming dwSize, outgoing dwSize, 172) bytes are copied and the result
// says size 172, version 2; any other signature: the outgoing record gets the
// defaults. False, with nothing written, when either record is missing.
// The incoming section's header says how long it is: the host vouches for
// that many bytes. A text field that the copy leaves without a terminator
// within its length gets one in its last unit, so that every stored text
// ends within its field.
[[nodiscard]] bool MergePrivateDevmode(const void* pIncoming, void* pOutgoing) noexcept;
// The same when the host's records show how many bytes the incoming section
// really has (cbIncoming): nothing beyond them is read, and a section too
// short to hold its signature counts as foreign.
[[nodiscard]] bool MergePrivateDevmode(const void* pIncoming, std::size_t cbIncoming,
                                       void* pOutgoing) noexcept;

// Little-endian field access at a byte offset of a section.
[[nodiscard]] std::uint32_t ReadPrivateDevmodeU32(const void* pRecord, std::size_t offset) noexcept;
void WritePrivateDevmodeU32(void* pRecord, std::size_t offset, std::uint32_t value) noexcept;
[[nodiscard]] std::uint8_t ReadPrivateDevmodeU8(const void* pRecord, std::size_t offset) noexcept;
void WritePrivateDevmodeU8(void* pRecord, std::size_t offset, std::uint8_t value) noexcept;

// A text field of the section: where it starts, and its size in UTF-16
// units, terminator included.
struct PrivateDevmodeText {
    std::size_t offset;
    std::size_t units;
};

constexpr PrivateDevmodeText JOB_USER_NAME_TEXT = {offsetof(PrivateDevmode, wszJobUserName),
                                                   JOB_USER_NAME_UNITS};
constexpr PrivateDevmodeText JOB_NAME_TEXT = {offsetof(PrivateDevmode, wszJobName), JOB_NAME_UNITS};
constexpr PrivateDevmodeText JOB_PASSWORD_TEXT = {offsetof(PrivateDevmode, wszJobPassword),
                                                  JOB_PASSWORD_UNITS};
constexpr PrivateDevmodeText ACCESS_USER_NAME_TEXT = {offsetof(PrivateDevmode, wszAccessUserName),
                                                      ACCESS_USER_NAME_UNITS};
constexpr PrivateDevmodeText ACCESS_PASSWORD_TEXT = {offsetof(PrivateDevmode, wszAccessPassword),
                                                     ACCESS_PASSWORD_UNITS};

// The five text fields, in the record's order.
constexpr PrivateDevmodeText kPrivateDevmodeTexts[] = {JOB_USER_NAME_TEXT, JOB_NAME_TEXT,
                                                       JOB_PASSWORD_TEXT, ACCESS_USER_NAME_TEXT,
                                                       ACCESS_PASSWORD_TEXT};

// Puts a terminator into the last unit of each text field that holds none.
void TerminatePrivateDevmodeTexts(void* pRecord) noexcept;

// Reads a text field (UTF-16LE) up to its first NUL, or to the field's end
// when it holds none, never further, into pText, which has room for
// field.units + 1 units; the copy is always terminated. Returns its length.
std::size_t ReadPrivateDevmodeText(const void* pRecord, PrivateDevmodeText field,
                                   char16_t* pText) noexcept;

// Writes the first length units of pText (at most field.units - 1 of them)
// and a NUL at the start of the field; the units behind the NUL keep what they
// held.
void WritePrivateDevmodeText(void* pRecord, PrivateDevmodeText field, const char16_t* pText,
                             std::size_t length) noexcept;

}  // namespace marlow
