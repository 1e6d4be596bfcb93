// Installed options and the constrained marks they cause.
#include <gtest/gtest.h>

#include <string>

#include "ppd_test_support.h"

namespace marlow {
namespace {

using testing::FeatureNamed;
using testing::MarksOf;
using testing::ReadPpdText;
using testing::ReadResult;
using testing::Show;

// An installable feature, *QVTrayUnit, in its group, and *InputSlot after
// it; then the constraints given.
std::string TrayPpd(const std::string& trayDefault, const std::string& constraints) {
    return "*OpenGroup: InstallableOptions/Installed Options\n"
           "*OpenUI *QVTrayUnit/Lower Cassette Unit: PickOne\n"
           "*DefaultQVTrayUnit: " +
           trayDefault +
           "\n"
           "*QVTrayUnit 1Tray: \"\"\n*QVTrayUnit 2Tray: \"\"\n"
           "*CloseUI: *QVTrayUnit\n"
           "*CloseGroup: InstallableOptions\n"
           "*OpenUI *InputSlot: PickOne\n"
           "*InputSlot LC1: \"\"\n*InputSlot LC2: \"\"\n*InputSlot LC3: \"\"\n"
           "*CloseUI: *InputSlot\n" +
           constraints;
}

TEST(PpdConstraintsTest, TheInstalledOptionRulesOutTheConstrainedChoice) {
    const ReadResult result =
        ReadPpdText(TrayPpd("1Tray", "*UIConstraints: *QVTrayUnit 1Tray *InputSlot LC3\n"));
    PpdModel& model = *result.model;
    EXPECT_EQ(MarksOf(model, u"*InputSlot"), "001");

    model.SetInstalledOption(u"*QVTrayUnit", u"2Tray", true);
    EXPECT_EQ(Show(model.GetInstallableSelection(0)->currentOption), "2Tray");
    EXPECT_EQ(MarksOf(model, u"*InputSlot"), "000");

    // Without re-evaluation the marks stay until the next evaluation.
    model.SetInstalledOption(u"*QVTrayUnit", u"1Tray", false);
    EXPECT_EQ(MarksOf(model, u"*InputSlot"), "000");
    model.EvaluateConstraints();
    EXPECT_EQ(MarksOf(model, u"*InputSlot"), "001");
    // Features of the group are never marked, whatever joins them.
    EXPECT_EQ(MarksOf(model, u"*QVTrayUnit"), "00");
}

TEST(PpdConstraintsTest, OnlyTheInstallableFeatureFirstCounts) {
    const ReadResult reversed =
        ReadPpdText(TrayPpd("1Tray", "*UIConstraints: *InputSlot LC3 *QVTrayUnit 1Tray\n"));
    EXPECT_EQ(MarksOf(*reversed.model, u"*InputSlot"), "000");
    EXPECT_EQ(MarksOf(*reversed.model, u"*QVTrayUnit"), "00");

    // Two features outside the group: no selection, no mark.
    const ReadResult outside = ReadPpdText(
        "*OpenUI *Duplex: PickOne\n*DefaultDuplex: None\n*Duplex None: \"\"\n*CloseUI: *Duplex\n"
        "*OpenUI *InputSlot: PickOne\n*InputSlot LC3: \"\"\n*CloseUI: *InputSlot\n"
        "*UIConstraints: *Duplex None *InputSlot LC3\n");
    EXPECT_EQ(outside.model->GetInstallableCount(), 0);
    EXPECT_EQ(MarksOf(*outside.model, u"*InputSlot"), "0");
}

TEST(PpdConstraintsTest, OptionWordsHaveNoMeaningOfTheirOwn) {
    const std::string rules =
        "*UIConstraints: *QVTrayUnit None *InputSlot LC2\n"
        "*UIConstraints: *QVTrayUnit False *InputSlot LC3\n";
    EXPECT_EQ(MarksOf(*ReadPpdText(TrayPpd("None", rules)).model, u"*InputSlot"), "010");
    EXPECT_EQ(MarksOf(*ReadPpdText(TrayPpd("False", rules)).model, u"*InputSlot"), "001");
    EXPECT_EQ(MarksOf(*ReadPpdText(TrayPpd("none", rules)).model, u"*InputSlot"), "000");
    EXPECT_EQ(MarksOf(*ReadPpdText(TrayPpd("", rules)).model, u"*InputSlot"), "000");
}

TEST(PpdConstraintsTest, TheLastJoinedSelectionDecidesTheMark) {
    const std::string features =
        "*CloseGroup: InstallableOptions\n*OpenUI *InputSlot: PickOne\n*InputSlot LC1: "
        "\"\"\n*InputSlot LC3: \"\"\n"
        "*CloseUI: *InputSlot\n";
    const std::string trays =
        "*OpenUI *QVTrayUnit: PickOne\n*DefaultQVTrayUnit: 1Tray\n*CloseUI: *QVTrayUnit\n";
    const std::string stacker =
        "*OpenUI *QVStackerOption: Boolean\n*DefaultQVStackerOption: True\n"
        "*CloseUI: *QVStackerOption\n";
    const std::string rules =
        "*UIConstraints: *QVTrayUnit 1Tray *InputSlot LC3\n"
        "*UIConstraints: *QVStackerOption False *InputSlot LC3\n";
    const std::string group = "*OpenGroup: InstallableOptions\n";

    // The stacker, joined to *InputSlot but not ruling LC3 out at True, comes
    // last and clears the mark that the trays set.
    EXPECT_EQ(
        MarksOf(*ReadPpdText(group + trays + stacker + features + rules).model, u"*InputSlot"),
        "00");
    EXPECT_EQ(
        MarksOf(*ReadPpdText(group + stacker + trays + features + rules).model, u"*InputSlot"),
        "01");
}

TEST(PpdConstraintsTest, TestOptionConstraintsAnswersItsThreeOutcomes) {
    const ReadResult result =
        ReadPpdText(TrayPpd("1Tray",
                            "*UIConstraints: *QVTrayUnit 1Tray *InputSlot LC3\n"
                            "*UIConstraints: *QVTrayUnit 2Tray *InputSlot LC2\n"));
    const PpdModel& model = *result.model;
    const PpdFeature& slots = FeatureNamed(model, u"*InputSlot");
    const PpdFeature& trays = FeatureNamed(model, u"*QVTrayUnit");
    const PpdText tray(u"*QVTrayUnit", 11);
    const PpdText one(u"1Tray", 5);
    EXPECT_EQ(model.TestOptionConstraints(tray, one, slots, *slots.GetPpdOption(2)),
              ConstraintOutcome::kRuledOut);
    EXPECT_EQ(model.TestOptionConstraints(tray, one, slots, *slots.GetPpdOption(1)),
              ConstraintOutcome::kAllowed);
    EXPECT_EQ(model.TestOptionConstraints(tray, one, trays, *trays.GetPpdOption(0)),
              ConstraintOutcome::kNotJoined);
    EXPECT_EQ(
        model.TestOptionConstraints(PpdText(u"QVTrayUnit", 10), one, slots, *slots.GetPpdOption(2)),
        ConstraintOutcome::kNotJoined);
}

TEST(PpdConstraintsTest, SetInstalledOptionFindsOnlyTheExactKeyword) {
    const ReadResult result =
        ReadPpdText(TrayPpd("1Tray", "*UIConstraints: *QVTrayUnit 1Tray *InputSlot LC3\n"));
    PpdModel& model = *result.model;
    model.SetInstalledOption(u"QVTrayUnit", u"2Tray", true);
    model.SetInstalledOption(u"*qvtrayunit", u"2Tray", true);
    model.SetInstalledOption(nullptr, u"2Tray", true);
    model.SetInstalledOption(u"*QVTrayUnit", nullptr, true);
    EXPECT_EQ(Show(model.GetInstallableSelection(0)->currentOption), "1Tray");
    EXPECT_EQ(MarksOf(model, u"*InputSlot"), "001");

    // The option is stored like a text of the file: the low byte of each
    // unit, through the code page, cut at 259.
    model.SetInstalledOption(u"*QVTrayUnit", u"\u0131Tray\u0080", false);
    EXPECT_EQ(Show(model.GetInstallableSelection(0)->currentOption), "1Tray\\u20AC");
    const std::u16string longOption(300, u'o');
    model.SetInstalledOption(u"*QVTrayUnit", longOption.c_str(), false);
    EXPECT_EQ(model.GetInstallableSelection(0)->currentOption.Length(), 259);
}

TEST(PpdConstraintsTest, OnlyTheFirstOfTwoSameNamedSelectionsIsSet) {
    const ReadResult result = ReadPpdText(
        "*OpenGroup: InstallableOptions\n"
        "*OpenUI *T: PickOne\n*DefaultT: a\n*CloseUI: *T\n"
        "*OpenUI *T: PickOne\n*DefaultT: a\n*CloseUI: *T\n"
        "*CloseGroup: InstallableOptions\n"
        "*OpenUI *S: PickOne\n*S x: \"\"\n*CloseUI: *S\n"
        "*UIConstraints: *T a *S x\n");
    PpdModel& model = *result.model;
    EXPECT_EQ(MarksOf(model, u"*S"), "1");
    model.SetInstalledOption(u"*T", u"b", true);
    EXPECT_EQ(Show(model.GetInstallableSelection(0)->currentOption), "b");
    EXPECT_EQ(Show(model.GetInstallableSelection(1)->currentOption), "a");
    // The second selection, still at "a", comes last and keeps the mark.
    EXPECT_EQ(MarksOf(model, u"*S"), "1");
}

TEST(PpdConstraintsTest, AModelWithoutInstallableOptionsMarksNothing) {
    const ReadResult result = ReadPpdText(
        "*OpenUI *QVTrayUnit: PickOne\n*DefaultQVTrayUnit: 1Tray\n*CloseUI: *QVTrayUnit\n"
        "*OpenUI *InputSlot: PickOne\n*InputSlot LC3: \"\"\n*CloseUI: *InputSlot\n"
        "*UIConstraints: *QVTrayUnit 1Tray *InputSlot LC3\n");
    PpdModel& model = *result.model;
    model.SetInstalledOption(u"*QVTrayUnit", u"1Tray", true);
    EXPECT_EQ(model.GetInstallableCount(), 0);
    EXPECT_EQ(MarksOf(model, u"*InputSlot"), "0");
}

}  // namespace
}  // namespace marlow
