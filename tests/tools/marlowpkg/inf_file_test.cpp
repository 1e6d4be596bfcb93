// The INF reader: what the printer class installer would see in a file.
#include "inf_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlow {
namespace {

InfFile Read(const std::string& text) {
    return ReadInfFile(std::vector<unsigned char>(text.begin(), text.end()));
}

std::vector<std::string> Fields(const InfFile& inf, const char* section, const char* key) {
    const InfLine* line = inf.FindLine(section, key);
    return line == nullptr ? std::vector<std::string>{"<no line>"} : line->fields;
}

TEST(InfFileTest, ReadsSectionsKeysFieldsAndLineNumbers) {
    const InfFile inf = Read(
        "; a comment line\r\n"
        "[Version]\r\n"
        "Signature=\"$Windows NT$\"  ; trailing comment\r\n"
        "\r\n"
        "[Models.NTamd64]\r\n"
        "\"Vantor Marlow C PS\" = MARLOWC.PPD, VantorMarlow_C_PS\r\n"
        "[Files]\r\n"
        "A.PPD\r\n"
        "B.INI,,,0x20\r\n");
    ASSERT_EQ(inf.GetSections().size(), 3u);
    EXPECT_TRUE(inf.GetProblems().empty());

    const InfLine* signature = inf.FindLine("version", "SIGNATURE");  // any case
    ASSERT_NE(signature, nullptr);
    EXPECT_EQ(signature->nLine, 3);
    EXPECT_EQ(signature->fields, std::vector<std::string>{"$Windows NT$"});

    const InfSection* models = inf.FindSection("models.ntamd64");
    ASSERT_NE(models, nullptr);
    EXPECT_EQ(models->nLine, 5);
    ASSERT_EQ(models->lines.size(), 1u);
    EXPECT_EQ(models->lines[0].key, "Vantor Marlow C PS");
    EXPECT_EQ(models->lines[0].fields, (std::vector<std::string>{"MARLOWC.PPD", "VantorMarlow_C_PS"}));

    const InfSection* files = inf.FindSection("Files");
    ASSERT_EQ(files->lines.size(), 2u);
    EXPECT_FALSE(files->lines[0].bHasKey);
    EXPECT_EQ(files->lines[0].fields, std::vector<std::string>{"A.PPD"});
    EXPECT_EQ(files->lines[1].nLine, 9);
    EXPECT_EQ(files->lines[1].fields, (std::vector<std::string>{"B.INI", "", "", "0x20"}));
}

TEST(InfFileTest, QuotedStringsKeepSeparatorsAndDoubledQuotes) {
    const InfFile inf = Read(
        "[S]\n"
        "K = \"a, b = c ; d\", \"say \"\"hi\"\"\" , \"  blanks kept  \" ,plain  \n");
    EXPECT_EQ(Fields(inf, "S", "K"),
              (std::vector<std::string>{"a, b = c ; d", "say \"hi\"", "  blanks kept  ", "plain"}));
    EXPECT_TRUE(inf.GetProblems().empty());
}

TEST(InfFileTest, SubstitutesStringsDefinedAnywhereAndReportsUndefinedOnes) {
    const InfFile inf = Read(
        "[Version]\n"
        "Provider=%Maker%\n"
        "Other=%maker% and 100%% and %Missing%\n"
        "[Strings]\n"
        "Maker=\"Vantor\"\n");
    EXPECT_EQ(Fields(inf, "Version", "Provider"), std::vector<std::string>{"Vantor"});
    EXPECT_EQ(Fields(inf, "Version", "Other"),
              std::vector<std::string>{"Vantor and 100% and %Missing%"});
    ASSERT_EQ(inf.GetProblems().size(), 1u);
    EXPECT_EQ(inf.GetProblems()[0].nLine, 3);
    EXPECT_EQ(inf.GetProblems()[0].message, "%Missing% is not defined in [Strings]");
}

TEST(InfFileTest, JoinsContinuedLinesAndNumbersThemByTheirFirstLine) {
    const InfFile inf = Read(
        "[S]\n"
        "CopyFiles=A, \\\n"
        "   B, \\\n"
        "   C\n"
        "Next=1\n");
    const InfLine* copy = inf.FindLine("S", "CopyFiles");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->nLine, 2);
    EXPECT_EQ(copy->fields, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(inf.FindLine("S", "Next")->nLine, 5);
}

TEST(InfFileTest, ReadsUtf16WithByteOrderMark) {
    const std::string text = "[Strings]\r\nName=\"Gr\xC3\xBC\xC3\x9F" "e\"\r\n";
    // The same text in UTF-16LE: ASCII and two Latin-1 letters.
    std::vector<unsigned char> bytes = {0xFF, 0xFE};
    const std::u16string wide = u"[Strings]\r\nName=\"Gr\u00FC\u00DFe\"\r\n";
    for (char16_t unit : wide) {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    const InfFile inf = ReadInfFile(bytes);
    EXPECT_EQ(Fields(inf, "Strings", "Name"), std::vector<std::string>{"Gr\xC3\xBC\xC3\x9F" "e"});
    EXPECT_EQ(DecodeTextFile(bytes), text);
}

TEST(InfFileTest, DamagedTextGivesProblemsNotFailures) {
    const InfFile inf = Read(
        "stray line before any section\n"
        "[Open\n"
        "[Closed] junk\n"
        "K=\"never closed, 1\n"
        "%unterminated\n");
    ASSERT_EQ(inf.GetProblems().size(), 4u);
    EXPECT_EQ(inf.GetProblems()[0].nLine, 1);
    EXPECT_EQ(inf.GetProblems()[1].message, "the section header has no closing ']'");
    EXPECT_EQ(inf.GetProblems()[2].message, "text follows the section header [Closed]");
    EXPECT_EQ(inf.GetProblems()[3].message, "a quoted string is not closed on this line");
    EXPECT_EQ(Fields(inf, "Closed", "K"), std::vector<std::string>{"never closed, 1"});
    // Every byte value, and a file that ends inside a UTF-16 unit, read safely.
    std::vector<unsigned char> everything;
    for (int i = 0; i < 256; ++i) {
        everything.push_back(static_cast<unsigned char>(i));
    }
    EXPECT_NO_FATAL_FAILURE(ReadInfFile(everything));
    EXPECT_EQ(DecodeTextFile({0xFF, 0xFE, 'A'}), "");
    EXPECT_EQ(DecodeTextFile({0xFF, 0xFE, 0x00, 0xD8}), "\xEF\xBF\xBD");  // lone surrogate
}

}  // namespace
}  // namespace marlow
