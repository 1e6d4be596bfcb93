// The private section as the host stores it: exact bytes of the defaults,
// and what convert/merge carry over, for well-formed and hostile records.
#include "devmode/private_devmode.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace marlow {
namespace {

constexpr unsigned char kFill = 0xCD;
constexpr std::size_t kGuard = 32;

// A section with guard bytes behind it, so that a write past byte 172 shows.
struct GuardedSection {
    std::vector<unsigned char> bytes = std::vector<unsigned char>(PRIVATE_DEVMODE_SIZE + kGuard, kFill);
    unsigned char* data() { return bytes.data(); }
    std::uint32_t U32(std::size_t offset) const { return ReadPrivateDevmodeU32(bytes.data(), offset); }
    void SetU32(std::size_t offset, std::uint32_t v) { WritePrivateDevmodeU32(bytes.data(), offset, v); }
    bool GuardIntact() const {
        for (std::size_t i = PRIVATE_DEVMODE_SIZE; i < bytes.size(); ++i) {
            if (bytes[i] != kFill) return false;
        }
        return true;
    }
};

void SetText(GuardedSection& s, std::size_t offset, const char16_t* text) {
    for (std::size_t i = 0;; ++i) {
        s.bytes[offset + 2 * i] = static_cast<unsigned char>(text[i] & 0xFF);
        s.bytes[offset + 2 * i + 1] = static_cast<unsigned char>(text[i] >> 8);
        if (text[i] == 0) break;
    }
}

// A stored record of our signature with every field set to something other
// than the defaults, padding included.
GuardedSection MakeStoredRecord() {
    GuardedSection s;
    for (std::size_t i = 0; i < PRIVATE_DEVMODE_SIZE; ++i) {
        s.bytes[i] = static_cast<unsigned char>(0x40 + i % 64);
    }
    s.SetU32(offsetof(PrivateDevmode, dwSize), PRIVATE_DEVMODE_SIZE);
    s.SetU32(offsetof(PrivateDevmode, dwSignature), PRIVATE_DEVMODE_SIGNATURE);
    s.SetU32(offsetof(PrivateDevmode, dwVersion), 1);
    s.SetU32(offsetof(PrivateDevmode, dwReserved1), 7);
    s.bytes[offsetof(PrivateDevmode, bSaveAccessControl)] = 1;
    s.SetU32(offsetof(PrivateDevmode, dwReserveJobType), RESERVE_JOB_CONFIDENTIAL);
    SetText(s, offsetof(PrivateDevmode, wszJobUserName), u"ANNA");
    SetText(s, offsetof(PrivateDevmode, wszJobName), u"Quarterly");
    SetText(s, offsetof(PrivateDevmode, wszJobPassword), u"1234");
    SetText(s, offsetof(PrivateDevmode, wszAccessUserName), u"anna.berg");
    SetText(s, offsetof(PrivateDevmode, wszAccessPassword), u"s3cret!");
    s.SetU32(offsetof(PrivateDevmode, dwReserved2), 0xA5A5A5A5);
    return s;
}

GuardedSection MakeDefaults() {
    GuardedSection s;
    SetPrivateDevmodeDefaults(s.data());
    return s;
}

TEST(PrivateDevmodeDefaults, WriteTheStoredDefaultValuesAndLeavePaddingAlone) {
    GuardedSection s = MakeDefaults();
    const std::array<unsigned char, 24> head = {172, 0, 0, 0, 0x53, 0x50, 0x56, 0x51, 2, 0, 0, 0,
                                                1,   0, 0, 0, 0,    kFill, kFill, kFill, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(s.data(), head.data(), head.size()));
    for (std::size_t i = 24; i < 166; ++i) {
        ASSERT_EQ(0, s.bytes[i]) << "text byte " << i;
    }
    EXPECT_EQ(kFill, s.bytes[166]);
    EXPECT_EQ(kFill, s.bytes[167]);
    EXPECT_EQ(0u, s.U32(168));
    EXPECT_TRUE(s.GuardIntact());
}

TEST(PrivateDevmodeMerge, CopiesAFullRecordOfOurSignatureByteForByteButTheVersion) {
    GuardedSection stored = MakeStoredRecord();
    GuardedSection out = MakeDefaults();
    ASSERT_TRUE(MergePrivateDevmode(stored.data(), out.data()));
    EXPECT_EQ(2u, out.U32(offsetof(PrivateDevmode, dwVersion)));
    out.SetU32(offsetof(PrivateDevmode, dwVersion), 1);
    EXPECT_EQ(0, std::memcmp(stored.data(), out.data(), PRIVATE_DEVMODE_SIZE));
    EXPECT_TRUE(out.GuardIntact());
}

TEST(PrivateDevmodeMerge, AShorterRecordFillsOnlyItsOwnLength) {
    GuardedSection stored = MakeStoredRecord();
    stored.SetU32(offsetof(PrivateDevmode, dwSize), 24);
    GuardedSection out = MakeDefaults();
    ASSERT_TRUE(MergePrivateDevmode(stored.data(), out.data()));
    EXPECT_EQ(172u, out.U32(offsetof(PrivateDevmode, dwSize)));
    EXPECT_EQ(2u, out.U32(offsetof(PrivateDevmode, dwVersion)));
    EXPECT_EQ(7u, out.U32(offsetof(PrivateDevmode, dwReserved1)));
    EXPECT_EQ(1, out.bytes[offsetof(PrivateDevmode, bSaveAccessControl)]);
    EXPECT_EQ(stored.bytes[17], out.bytes[17]) << "padding is copied like any other byte";
    EXPECT_EQ(RESERVE_JOB_CONFIDENTIAL, out.U32(offsetof(PrivateDevmode, dwReserveJobType)));
    for (std::size_t i = 24; i < 166; ++i) {
        ASSERT_EQ(0, out.bytes[i]) << "text byte " << i << " keeps its default";
    }
}

TEST(PrivateDevmodeMerge, TheOutgoingSizeAlsoBoundsTheCopy) {
    GuardedSection stored = MakeStoredRecord();
    GuardedSection out = MakeDefaults();
    out.SetU32(offsetof(PrivateDevmode, dwSize), 20);
    ASSERT_TRUE(MergePrivateDevmode(stored.data(), out.data()));
    EXPECT_EQ(172u, out.U32(0));
    EXPECT_EQ(7u, out.U32(offsetof(PrivateDevmode, dwReserved1)));
    EXPECT_EQ(RESERVE_JOB_NONE, out.U32(offsetof(PrivateDevmode, dwReserveJobType)));
}

TEST(PrivateDevmodeMerge, NeverWritesPastTheOutgoingRecordWhateverTheSizesSay) {
    GuardedSection stored = MakeStoredRecord();
    stored.SetU32(offsetof(PrivateDevmode, dwSize), 0xFFFFFFFF);
    // An incoming record "that long": its bytes beyond 172 must not arrive.
    std::vector<unsigned char> huge(stored.bytes.begin(), stored.bytes.begin() + PRIVATE_DEVMODE_SIZE);
    huge.resize(PRIVATE_DEVMODE_SIZE + 4096, 0x77);
    GuardedSection out = MakeDefaults();
    out.SetU32(offsetof(PrivateDevmode, dwSize), 0x7FFFFFFF);
    ASSERT_TRUE(MergePrivateDevmode(huge.data(), out.data()));
    EXPECT_TRUE(out.GuardIntact());
    EXPECT_EQ(172u, out.U32(0));
    EXPECT_EQ(0xA5A5A5A5u, out.U32(offsetof(PrivateDevmode, dwReserved2)));
}

TEST(PrivateDevmodeMerge, AForeignSignatureGivesTheDefaults) {
    GuardedSection foreign = MakeStoredRecord();
    foreign.SetU32(offsetof(PrivateDevmode, dwSignature), 0x4D494E45);
    GuardedSection out = MakeStoredRecord();
    ASSERT_TRUE(MergePrivateDevmode(foreign.data(), out.data()));
    GuardedSection expected = MakeStoredRecord();  // same padding bytes as out had
    SetPrivateDevmodeDefaults(expected.data());
    EXPECT_EQ(expected.bytes, out.bytes);
}

TEST(PrivateDevmodeMerge, ComparesWithTheSignatureTheOutgoingRecordHoldsNow) {
    // Both records carry the same foreign signature: that counts as a match.
    GuardedSection in = MakeStoredRecord();
    GuardedSection out = MakeDefaults();
    in.SetU32(offsetof(PrivateDevmode, dwSignature), 0x12345678);
    out.SetU32(offsetof(PrivateDevmode, dwSignature), 0x12345678);
    ASSERT_TRUE(MergePrivateDevmode(in.data(), out.data()));
    EXPECT_EQ(RESERVE_JOB_CONFIDENTIAL, out.U32(offsetof(PrivateDevmode, dwReserveJobType)));
    EXPECT_EQ(0x12345678u, out.U32(offsetof(PrivateDevmode, dwSignature)));
}

TEST(PrivateDevmodeMerge, KeepsAnUnknownJobTypeAsStored) {
    GuardedSection stored = MakeStoredRecord();
    stored.SetU32(offsetof(PrivateDevmode, dwReserveJobType), 3);
    GuardedSection out = MakeDefaults();
    ASSERT_TRUE(MergePrivateDevmode(stored.data(), out.data()));
    EXPECT_EQ(3u, out.U32(offsetof(PrivateDevmode, dwReserveJobType)));
}

// The defaults and the merge ignore a missing record and touch nothing else.
TEST(PrivateDevmodeMerge, RefusesMissingRecordsWithoutWriting) {
    GuardedSection out = MakeStoredRecord();
    const auto before = out.bytes;
    EXPECT_FALSE(MergePrivateDevmode(nullptr, out.data()));
    EXPECT_FALSE(MergePrivateDevmode(out.data(), nullptr));
    EXPECT_FALSE(MergePrivateDevmode(nullptr, nullptr));
    SetPrivateDevmodeDefaults(nullptr);
    EXPECT_EQ(before, out.bytes);
}

TEST(PrivateDevmodeMerge, WorksOnUnalignedRecordsAndInPlace) {
    GuardedSection stored = MakeStoredRecord();
    std::vector<unsigned char> in(PRIVATE_DEVMODE_SIZE + 1), out(PRIVATE_DEVMODE_SIZE + 3);
    std::memcpy(in.data() + 1, stored.data(), PRIVATE_DEVMODE_SIZE);
    SetPrivateDevmodeDefaults(out.data() + 3);
    ASSERT_TRUE(MergePrivateDevmode(in.data() + 1, out.data() + 3));
    EXPECT_EQ(RESERVE_JOB_CONFIDENTIAL, ReadPrivateDevmodeU32(out.data() + 3, 20));

    ASSERT_TRUE(MergePrivateDevmode(out.data() + 3, out.data() + 3));
    EXPECT_EQ(RESERVE_JOB_CONFIDENTIAL, ReadPrivateDevmodeU32(out.data() + 3, 20));
}

// The host's records can show how far the incoming section really goes; a
// header claiming more is not believed. An exact-size heap copy lets the
// sanitizers see a read beyond it.
TEST(PrivateDevmodeMerge, ReadsNoFurtherThanTheIncomingSectionReallyGoes) {
    GuardedSection stored = MakeStoredRecord();
    const std::size_t real = 30;  // into the job user name
    std::unique_ptr<unsigned char[]> in(new unsigned char[real]);
    std::memcpy(in.get(), stored.data(), real);
    GuardedSection out = MakeDefaults();
    ASSERT_TRUE(MergePrivateDevmode(in.get(), real, out.data()));
    EXPECT_EQ(0, std::memcmp(stored.data() + 12, out.data() + 12, real - 12));
    EXPECT_EQ(172u, out.U32(0));
    EXPECT_EQ(2u, out.U32(offsetof(PrivateDevmode, dwVersion)));
    for (std::size_t i = real; i < 166; ++i) {
        ASSERT_EQ(0, out.bytes[i]) << "byte " << i << " keeps its default";
    }

    // Too short to hold a signature: a foreign section, the defaults.
    for (std::size_t tooShort : {std::size_t{0}, std::size_t{4}, std::size_t{7}}) {
        GuardedSection kept = MakeStoredRecord();
        std::unique_ptr<unsigned char[]> stub(new unsigned char[tooShort + 1]);
        std::memcpy(stub.get(), stored.data(), tooShort);
        ASSERT_TRUE(MergePrivateDevmode(stub.get(), tooShort, kept.data()));
        EXPECT_EQ(RESERVE_JOB_NONE, kept.U32(offsetof(PrivateDevmode, dwReserveJobType))) << tooShort;
        EXPECT_EQ(1u, kept.U32(offsetof(PrivateDevmode, dwReserved1))) << tooShort;
    }
}

// A stored text that fills its field without a terminator comes out ending
// within the field: its last unit becomes the terminator, the rest is kept.
TEST(PrivateDevmodeMerge, EndsEveryCopiedTextWithinItsField) {
    GuardedSection stored = MakeStoredRecord();
    for (const PrivateDevmodeText& field : kPrivateDevmodeTexts) {
        for (std::size_t i = 0; i < field.units; ++i) {
            stored.bytes[field.offset + 2 * i] = static_cast<unsigned char>('A' + i);
            stored.bytes[field.offset + 2 * i + 1] = 0;
        }
    }
    GuardedSection out = MakeDefaults();
    ASSERT_TRUE(MergePrivateDevmode(stored.data(), PRIVATE_DEVMODE_SIZE, out.data()));
    for (const PrivateDevmodeText& field : kPrivateDevmodeTexts) {
        char16_t text[ACCESS_PASSWORD_UNITS + 1];
        EXPECT_EQ(field.units - 1, ReadPrivateDevmodeText(out.data(), field, text)) << field.offset;
        EXPECT_EQ(0, out.bytes[field.offset + 2 * (field.units - 1)]);
        EXPECT_EQ(0, out.bytes[field.offset + 2 * (field.units - 1) + 1]);
    }
    EXPECT_TRUE(out.GuardIntact());

    // A text cut by a short copy keeps the outgoing terminator behind it.
    GuardedSection shortStored = MakeStoredRecord();
    shortStored.SetU32(offsetof(PrivateDevmode, dwSize), 30);
    GuardedSection out2 = MakeDefaults();
    ASSERT_TRUE(MergePrivateDevmode(shortStored.data(), out2.data()));
    char16_t text[JOB_USER_NAME_UNITS + 1];
    EXPECT_EQ(3u, ReadPrivateDevmodeText(out2.data(), JOB_USER_NAME_TEXT, text));
    EXPECT_EQ(std::u16string(u"ANN"), std::u16string(text));
}

// --- Text fields, as the Extended Settings page reads and writes them ---

TEST(PrivateDevmodeText, ReadsUpToTheTerminatorOrTheFieldsEndAndNeverFurther) {
    GuardedSection s;
    SetPrivateDevmodeDefaults(s.data());
    char16_t text[ACCESS_PASSWORD_UNITS + 1];

    SetText(s, JOB_NAME_TEXT.offset, u"Quarterly");
    EXPECT_EQ(9u, ReadPrivateDevmodeText(s.data(), JOB_NAME_TEXT, text));
    EXPECT_EQ(std::u16string(u"Quarterly"), std::u16string(text));

    // A field with no terminator in it is read to its end: the 15 units of
    // the job name, not into the password behind it.
    for (std::size_t i = 0; i < JOB_NAME_UNITS; ++i) {
        s.bytes[JOB_NAME_TEXT.offset + 2 * i] = static_cast<unsigned char>('a' + i);
        s.bytes[JOB_NAME_TEXT.offset + 2 * i + 1] = 0;
    }
    SetText(s, JOB_PASSWORD_TEXT.offset, u"1234");
    EXPECT_EQ(JOB_NAME_UNITS, ReadPrivateDevmodeText(s.data(), JOB_NAME_TEXT, text));
    EXPECT_EQ(std::u16string(u"abcdefghijklmno"), std::u16string(text));

    // The last field, full, ends at the padding.
    for (std::size_t i = 0; i < ACCESS_PASSWORD_UNITS; ++i) {
        s.bytes[ACCESS_PASSWORD_TEXT.offset + 2 * i] = 0x41;
        s.bytes[ACCESS_PASSWORD_TEXT.offset + 2 * i + 1] = 0x30;  // U+3041
    }
    EXPECT_EQ(ACCESS_PASSWORD_UNITS, ReadPrivateDevmodeText(s.data(), ACCESS_PASSWORD_TEXT, text));
    EXPECT_EQ(std::u16string(ACCESS_PASSWORD_UNITS, u'\u3041'), std::u16string(text));
}

TEST(PrivateDevmodeText, WritesTheTerminatorAtTheStartAndLeavesTheUnitsBehindIt) {
    GuardedSection s;
    const std::vector<unsigned char> before = s.bytes;
    WritePrivateDevmodeText(s.data(), JOB_USER_NAME_TEXT, u"anna", 4);
    const std::size_t at = JOB_USER_NAME_TEXT.offset;
    const unsigned char expected[] = {'a', 0, 'n', 0, 'n', 0, 'a', 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(expected, s.data() + at, sizeof(expected)));
    for (std::size_t i = 0; i < s.bytes.size(); ++i) {
        if (i < at || i >= at + sizeof(expected)) {
            EXPECT_EQ(before[i], s.bytes[i]) << "byte " << i;
        }
    }

    // Longer than the field: its first units - 1 and the terminator, nothing
    // beyond the field.
    WritePrivateDevmodeText(s.data(), JOB_PASSWORD_TEXT, u"123456", 6);
    char16_t text[JOB_PASSWORD_UNITS + 1];
    EXPECT_EQ(4u, ReadPrivateDevmodeText(s.data(), JOB_PASSWORD_TEXT, text));
    EXPECT_EQ(before[JOB_PASSWORD_TEXT.offset + 10], s.bytes[JOB_PASSWORD_TEXT.offset + 10]);

    WritePrivateDevmodeU8(s.data(), offsetof(PrivateDevmode, bSaveAccessControl), 1);
    EXPECT_EQ(1, ReadPrivateDevmodeU8(s.data(), offsetof(PrivateDevmode, bSaveAccessControl)));
    EXPECT_TRUE(s.GuardIntact());
}

}  // namespace
}  // namespace marlow
