// Reading a DLL's surface from its bytes: what a well-formed image shows,
// and a defined error for every damaged one.
#include "pe_image.h"

#include <gtest/gtest.h>

#include "pe_image_builder.h"

namespace marlow {
namespace {

void ExpectSurface(const PeImage& image, const PeImagePlan& plan) {
    EXPECT_EQ(image.wMachine, plan.wMachine);
    EXPECT_EQ(image.bPe32Plus, plan.wMachine == kMachineX64);
    EXPECT_EQ(image.nMajorSubsystemVersion, plan.nMajorSubsystemVersion);
    EXPECT_EQ(image.nMinorSubsystemVersion, plan.nMinorSubsystemVersion);
    EXPECT_EQ(image.exports, plan.exports);
    ASSERT_EQ(image.imports.size(), plan.imports.size());
    for (std::size_t i = 0; i < plan.imports.size(); ++i) {
        EXPECT_EQ(image.imports[i].dll, plan.imports[i].dll);
        EXPECT_EQ(image.imports[i].functions, plan.imports[i].functions);
    }
}

TEST(PeImageTest, ReadsMachineSubsystemExportsAndImportsOfBothWidths) {
    for (std::uint16_t machine : {kMachineX86, kMachineX64}) {
        SCOPED_TRACE(DescribeMachine(machine));
        const PeImagePlan plan = MakePluginPlan(machine);
        PeImage image;
        std::string error;
        ASSERT_TRUE(ReadPeImage(BuildPeImage(plan), image, error)) << error;
        ExpectSurface(image, plan);
    }
}

TEST(PeImageTest, EveryTruncatedImageGivesAnErrorAndNoOverrun) {
    const std::vector<unsigned char> whole = BuildPeImage(MakePluginPlan(kMachineX64));
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::vector<unsigned char> cut(whole.begin(),
                                             whole.begin() + static_cast<std::ptrdiff_t>(length));
        PeImage image;
        std::string error;
        // The last bytes are the names' terminators; without them a name
        // runs off the file.
        EXPECT_FALSE(ReadPeImage(cut, image, error)) << "length " << length;
        EXPECT_FALSE(error.empty()) << "length " << length;
    }
}

TEST(PeImageTest, HostileHeadersAndTablesGiveErrors) {
    const std::vector<unsigned char> whole = BuildPeImage(MakePluginPlan(kMachineX64));
    struct Case {
        const char* what;
        std::size_t offset;
        std::uint32_t value;
        const char* error;
    };
    // Offsets in the builder's layout: PE header at 0x80, data directories
    // of the 64-bit optional header at 0x108, the section at RVA 0x1000 =
    // file offset 0x400 starting with the export directory.
    const Case cases[] = {
        {"no MZ", 0x00, 0x00005A4E, "no MZ header: not a Windows program or DLL"},
        {"PE header outside", 0x3C, 0x7FFFFFF0, "no PE signature where the MZ header points"},
        {"unknown optional header", 0x98, 0x0000010C, "no PE32 or PE32+ optional header"},
        {"section table past the end", 0x86, 0x0000FFFF, "the section table is cut short"},
        {"export table outside any section", 0x108, 0x00090000,
         "the export table lies outside the file"},
        {"a billion export names", 0x400 + 24, 0x40000000, "the export table claims 1073741824 names"},
        {"import table outside", 0x110, 0x00090000, "the import table lies outside the file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<unsigned char> bytes = whole;
        for (int i = 0; i < 4 && c.offset + i < bytes.size(); ++i) {
            bytes[c.offset + i] = static_cast<unsigned char>(c.value >> (8 * i));
        }
        if (c.offset == 0x00 || c.offset == 0x98 || c.offset == 0x86) {
            bytes[c.offset + 2] = whole[c.offset + 2];  // a 16-bit field: the next bytes stay
            bytes[c.offset + 3] = whole[c.offset + 3];
        }
        PeImage image;
        std::string error;
        EXPECT_FALSE(ReadPeImage(bytes, image, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(PeImageTest, NamesMachineTypes) {
    EXPECT_EQ(DescribeMachine(kMachineX86), "x86");
    EXPECT_EQ(DescribeMachine(kMachineX64), "x64");
    EXPECT_EQ(DescribeMachine(0xAA64), "ARM64");
    EXPECT_EQ(DescribeMachine(0x1234), "machine 0x1234");
}

}  // namespace
}  // namespace marlow
