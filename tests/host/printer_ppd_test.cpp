// The host kit's own reading of PPD files, line by line, on small files made
// for each case.
#include "host/printer_ppd.h"

#include <gtest/gtest.h>

#include "temp_file.h"

namespace marlow::host {
namespace {

std::vector<std::string> ChoiceKeywords(const PpdUiFeature& feature) {
    std::vector<std::string> keywords;
    for (const PpdChoice& choice : feature.choices) keywords.push_back(choice.keyword);
    return keywords;
}

TEST(PrinterPpd, ReadsBlocksWithTheirChoicesDefaultsAndGroups) {
    const PrinterPpd ppd = ParsePrinterPpd(
        "*PPD-Adobe: \"4.3\"\n"
        "*OpenGroup: InstallableOptions/Installed Options\n"
        "*OpenUI *QVTrayUnit/Lower Cassette Unit: PickOne\n"
        "*DefaultQVTrayUnit: 2Tray\n"
        "*QVTrayUnit 1Tray/Not Installed: \"\"\n"
        "*QVTrayUnit 2Tray/One Cassette: \"\"\n"
        "*CloseUI: *QVTrayUnit\n"
        "*CloseGroup: InstallableOptions\n"
        "*OpenUI *Duplex: PickOne\n"
        "*Duplex None: \"\"\n"
        "*CloseUI: *Duplex\n");
    ASSERT_EQ(2u, ppd.features.size());
    const PpdUiFeature& tray = ppd.features[0];
    EXPECT_EQ("QVTrayUnit", tray.keyword);
    EXPECT_EQ(L"Lower Cassette Unit", tray.translation);
    EXPECT_EQ("InstallableOptions", tray.group);
    EXPECT_TRUE(tray.IsInstallable());
    EXPECT_EQ("2Tray", tray.defaultChoice);
    EXPECT_EQ(1, tray.DefaultIndex());
    EXPECT_EQ((std::vector<std::string>{"1Tray", "2Tray"}), ChoiceKeywords(tray));
    EXPECT_EQ(L"One Cassette", tray.choices[1].translation);

    // Without translations the keywords stand in; outside any group.
    const PpdUiFeature& duplex = ppd.features[1];
    EXPECT_EQ(L"Duplex", duplex.translation);
    EXPECT_EQ(L"None", duplex.choices[0].translation);
    EXPECT_EQ("", duplex.group);
    EXPECT_FALSE(duplex.IsInstallable());
    EXPECT_EQ(0, duplex.DefaultIndex()) << "no default names the first choice";
    EXPECT_EQ(&duplex, ppd.FindFeature("Duplex"));
    EXPECT_EQ(&tray, ppd.FindFeatureByTranslation(L"Lower Cassette Unit"));
    EXPECT_EQ(nullptr, ppd.FindFeature("*Duplex")) << "keywords are kept without the asterisk";
}

TEST(PrinterPpd, SkipsQuotedValuesOverSeveralLinesAndOtherStatements) {
    const PrinterPpd ppd = ParsePrinterPpd(
        "*OpenUI *InputSlot/Paper Source: PickOne\r\n"
        "*OrderDependency: 20 AnySetup *InputSlot\r\n"
        "*InputSlot LC1/Cassette 1: \"\r\n"
        "*OpenUI *NotAFeature: PickOne\r\n"
        "*InputSlot Fake/Inside a value: \"\"\r\n"
        "\"\r\n"
        "*End\r\n"
        "*?InputSlot: \"query\"\r\n"
        "*% *InputSlot Comment/Commented out: \"\"\r\n"
        "*PageSize A4/Other feature's option: \"\"\r\n"
        "*InputSlot LC2/Cassette 2: \"\"\r\n"
        "*CloseUI: *InputSlot\r\n"
        "*InputSlot LC3/After the block: \"\"\r");
    ASSERT_EQ(1u, ppd.features.size());
    EXPECT_EQ((std::vector<std::string>{"LC1", "LC2"}), ChoiceKeywords(ppd.features[0]));
}

TEST(PrinterPpd, DecodesHexBytesThroughTheAnsiCodePage) {
    const PrinterPpd ppd = ParsePrinterPpd(
        "*OpenUI *QVRotate180Degrees/Rotate By 180<B0>: Boolean\n"
        "*QVRotate180Degrees True/<4F 6E>: \"\"\n"
        "*CloseUI: *QVRotate180Degrees\n");
    ASSERT_EQ(1u, ppd.features.size());
    EXPECT_EQ(DecodeAnsiText("Rotate By 180\xB0"), ppd.features[0].translation);
    EXPECT_EQ(L"On", ppd.features[0].choices[0].translation);
}

TEST(PrinterPpd, ReadsConstraintsWithAndWithoutOptions) {
    const PrinterPpd ppd = ParsePrinterPpd(
        "*UIConstraints: *QVTrayUnit 1Tray *InputSlot LC2\n"
        "*UIConstraints: *QVDuplexOption False *Duplex\n"
        "*UIConstraints: *QVStackerOption *OutputBin Stacker\n"
        "*UIConstraints: LC2 *InputSlot\n"
        "*UIConstraints: *OnlyOne\n");
    ASSERT_EQ(3u, ppd.constraints.size());
    EXPECT_EQ("QVTrayUnit", ppd.constraints[0].feature1);
    EXPECT_EQ("1Tray", ppd.constraints[0].option1);
    EXPECT_EQ("InputSlot", ppd.constraints[0].feature2);
    EXPECT_EQ("LC2", ppd.constraints[0].option2);
    EXPECT_EQ("", ppd.constraints[1].option2);
    EXPECT_EQ("", ppd.constraints[2].option1);
    EXPECT_EQ("OutputBin", ppd.constraints[2].feature2);
}

// Damaged files give what could be read, never more.
TEST(PrinterPpd, DamagedFilesGiveWhatCouldBeRead) {
    EXPECT_TRUE(ParsePrinterPpd("").features.empty());
    EXPECT_TRUE(ParsePrinterPpd(std::string("\0\0*\n*:\n*OpenUI\n", 15)).features.empty());

    // A block never closed keeps its choices; a value never closed hides the rest.
    const PrinterPpd open = ParsePrinterPpd(
        "*OpenUI *A: PickOne\n*A X/x: \"\"\n*CloseGroup: NeverOpened\n*A Y/y: \"never closed\n"
        "*A Z/z: \"\"\n");
    ASSERT_EQ(1u, open.features.size());
    EXPECT_EQ((std::vector<std::string>{"X", "Y"}), ChoiceKeywords(open.features[0]));

    // A translation with a hex string left open keeps its bytes.
    const PrinterPpd hex = ParsePrinterPpd("*OpenUI *B/Half <4: PickOne\n*CloseUI: *B\n");
    ASSERT_EQ(1u, hex.features.size());
    EXPECT_EQ(L"Half <4", hex.features[0].translation);
}

TEST(PrinterPpd, ReadsAFileAndRefusesOneThatIsNotThere) {
    test::TempFile file("*OpenUI *A/Feature A: PickOne\n*A X/x: \"\"\n*CloseUI: *A\n");
    PrinterPpd ppd;
    ASSERT_TRUE(ReadPrinterPpd(file.Path(), ppd));
    ASSERT_EQ(1u, ppd.features.size());
    EXPECT_EQ(L"Feature A", ppd.features[0].translation);

    PrinterPpd untouched;
    untouched.features.push_back(PpdUiFeature());
    EXPECT_FALSE(ReadPrinterPpd(file.Path() + L".missing", untouched));
    EXPECT_EQ(1u, untouched.features.size()) << "a failed read leaves the result alone";
}

}  // namespace
}  // namespace marlow::host
