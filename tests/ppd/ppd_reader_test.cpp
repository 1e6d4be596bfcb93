// ReadPpdModel: what the reader takes from a file, and where it stops.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ppd/ppd_input.h"
#include "ppd/ppd_reader.h"
#include "ppd_test_support.h"

namespace marlow {
namespace {

using testing::FeatureNamed;
using testing::ReadPpdText;
using testing::ReadResult;
using testing::Show;

const char kSmallPpd[] = R"(*PPD-Adobe: "4.3"
*% A comment line with *OpenUI in it
*FormatVersion: "4.3"
*Manufacturer: "Vantor"
*ModelName: "Vantor Marlow C"
*NickName: "Vantor Marlow C PS"
*LanguageVersion: English
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageSize A4: "<</PageSize[595 842]>>setpagedevice"
*?PageSize: "save currentpagedevice /PageSize get == restore"
*End
*CloseUI: *PageSize
*ImageableArea Letter/US Letter: "12 12 600 780"
*OpenGroup: InstallableOptions/Installed Options
*OpenUI *QVTrayUnit/Lower Cassette Unit: PickOne
*DefaultQVTrayUnit: None
*QVTrayUnit None/Not Installed: ""
*QVTrayUnit 1Tray/1 Cassette: ""
*CloseUI: *QVTrayUnit
*CloseGroup: InstallableOptions
*OpenUI *InputSlot: PickOne
*DefaultInputSlot: LC1
*InputSlot LC1: ""
*InputSlot LC2/Cassette 2: ""
*CloseUI: *InputSlot
*UIConstraints: *QVTrayUnit None *InputSlot LC2
*UIConstraints: *InputSlot LC2 *QVTrayUnit None
)";

TEST(PpdReaderTest, ReadsFeaturesOptionsGroupsAndConstraints) {
    const ReadResult result = ReadPpdText(kSmallPpd);
    const PpdModel& model = *result.model;
    EXPECT_FALSE(result.report.StoppedEarly());
    EXPECT_EQ(result.report.nByteOffset, static_cast<std::int64_t>(sizeof kSmallPpd - 1));
    ASSERT_EQ(model.GetFeatureCount(), 3);

    const PpdFeature& pageSize = *model.GetPpdFeature(0);
    EXPECT_EQ(Show(pageSize.keyword), "*PageSize");
    EXPECT_EQ(Show(pageSize.translation), "Page Size");
    EXPECT_EQ(Show(pageSize.defaultOption), "Letter");
    EXPECT_EQ(pageSize.groupKeyword.Length(), 0);
    EXPECT_TRUE(pageSize.bQuerySeen);
    ASSERT_EQ(pageSize.GetOptionCount(), 2);
    EXPECT_EQ(Show(pageSize.GetPpdOption(0)->keyword), "Letter");
    EXPECT_EQ(Show(pageSize.GetPpdOption(0)->translation), "US Letter");
    EXPECT_EQ(Show(pageSize.GetPpdOption(1)->translation), "A4");
    EXPECT_EQ(pageSize.GetPpdOption(2), nullptr);
    EXPECT_EQ(pageSize.GetPpdOption(-1), nullptr);

    const PpdFeature& trays = *model.GetPpdFeature(1);
    EXPECT_EQ(Show(trays.groupKeyword), "InstallableOptions");
    EXPECT_FALSE(trays.bQuerySeen);
    const PpdFeature& slots = *model.GetPpdFeature(2);
    EXPECT_EQ(Show(slots.translation), "InputSlot");
    EXPECT_EQ(slots.groupKeyword.Length(), 0);

    ASSERT_EQ(model.GetInstallableCount(), 1);
    EXPECT_EQ(Show(model.GetInstallableSelection(0)->keyword), "*QVTrayUnit");
    EXPECT_EQ(Show(model.GetInstallableSelection(0)->currentOption), "None");

    ASSERT_EQ(model.GetConstraintCount(), 2);
    const UiConstraint& first = *model.GetUiConstraint(0);
    EXPECT_EQ(Show(first.firstFeature) + " " + Show(first.firstOption) + " " +
                  Show(first.secondFeature) + " " + Show(first.secondOption),
              "*QVTrayUnit None *InputSlot LC2");
    EXPECT_EQ(model.GetUiConstraint(2), nullptr);
    // Evaluated once at the end of reading.
    EXPECT_EQ(testing::MarksOf(model, u"*InputSlot"), "01");
}

TEST(PpdReaderTest, FindsFeaturesByKeywordAndTranslation) {
    const ReadResult result = ReadPpdText(kSmallPpd);
    const PpdModel& model = *result.model;
    EXPECT_EQ(model.FindFeatureByKeyword(u"*InputSlot"), 2);
    EXPECT_EQ(model.FindFeatureByKeyword(u"InputSlot"), -1);
    EXPECT_EQ(model.FindFeatureByKeyword(u"*inputslot"), -1);
    EXPECT_EQ(model.FindFeatureByKeyword(nullptr), -1);
    EXPECT_EQ(model.FindFeatureByTranslation(u"Lower Cassette Unit"), 1);
    EXPECT_EQ(model.FindFeatureByTranslation(u"Lower Cassette"), -1);
    EXPECT_EQ(model.FindFeatureByTranslation(nullptr), -1);
    EXPECT_EQ(model.GetPpdFeature(3), nullptr);
    EXPECT_EQ(model.GetPpdFeature(-1), nullptr);
}

TEST(PpdReaderTest, EmptyAndBlankInputsGiveAnEmptyModel) {
    for (const char* text : {"", "\n\r\n  \t", "%only a comment", "*% and another"}) {
        const ReadResult result = ReadPpdText(text);
        ASSERT_NE(result.model, nullptr);
        EXPECT_EQ(result.model->GetFeatureCount(), 0);
        EXPECT_EQ(result.model->GetConstraintCount(), 0);
        EXPECT_EQ(result.model->GetInstallableCount(), 0);
        EXPECT_FALSE(result.report.StoppedEarly());
    }
}

TEST(PpdReaderTest, NamesSplitAtSlashesAndReadHexPairs) {
    const ReadResult result = ReadPpdText(
        "*OpenUI *A/Alpha<20>Mode: PickOne\n"
        "*A x<4142>y/Ex<4>: \"\"\n"     // odd digit before '>' dropped
        "*A p/q/r: \"\"\n"              // the piece before the last slash
        "*A <2A>Hex/<e9>t<E9>: \"\"\n"  // hex applies to the keyword part too
        "*A /Lonely: \"\"\n"            // an empty keyword piece takes the last piece
        "*A *Star: \"\"\n"              // a translation loses only a leading '*'
        "*A z<4G><G4>w: \"\"\n"         // longest valid prefix, or 0, which ends the text
        "*A s<41 42>: \"\"\n"           // a space is a character of a pair
        "*CloseUI: *A\n");
    const PpdFeature& feature = FeatureNamed(*result.model, u"*A");
    EXPECT_EQ(Show(feature.translation), "Alpha Mode");
    ASSERT_EQ(feature.GetOptionCount(), 7);
    const char* const expected[][2] = {
        {"xABy", "Ex"},    {"q", "r"},         {"*Hex", "\\u00E9t\\u00E9"}, {"Lonely", "Lonely"},
        {"*Star", "Star"}, {"z\x04", "z\x04"}, {"sA\x04", "sA\x04"}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Show(feature.GetPpdOption(i)->keyword), expected[i][0]) << i;
        EXPECT_EQ(Show(feature.GetPpdOption(i)->translation), expected[i][1]) << i;
    }
}

TEST(PpdReaderTest, LongNamesAreCutAt259Units) {
    const std::string name(300, 'n');
    const std::string translation(400, 't');
    const ReadResult result = ReadPpdText("*OpenUI *" + name + "/" + translation + ": PickOne\n*" +
                                          name + " o: \"\"\n*CloseUI: *x\n");
    ASSERT_EQ(result.model->GetFeatureCount(), 1);
    const PpdFeature& feature = *result.model->GetPpdFeature(0);
    EXPECT_EQ(feature.keyword.Length(), 259);
    EXPECT_EQ(feature.translation.Length(), 259);
    // The cut keyword no longer equals the option statements' keyword.
    EXPECT_EQ(feature.GetOptionCount(), 0);
    EXPECT_FALSE(result.report.StoppedEarly());
}

TEST(PpdReaderTest, ConstraintTextsAreCutAt259UnitsLikeEveryOtherText) {
    const std::string option(300, 'o');
    const ReadResult result =
        ReadPpdText("*UIConstraints: *A " + option + " \"\" *\xE9\n*UIConstraints: *A\n");
    ASSERT_EQ(result.model->GetConstraintCount(), 2);
    const UiConstraint& first = *result.model->GetUiConstraint(0);
    EXPECT_EQ(Show(first.firstFeature), "*A");
    EXPECT_EQ(first.firstOption.Length(), 259);
    EXPECT_EQ(Show(first.firstOption), option.substr(0, 259));
    EXPECT_EQ(first.secondFeature.Length(), 0);       // the empty quoted value
    EXPECT_EQ(Show(first.secondOption), "*\\u00E9");  // through the code page
    // Texts are zero-terminated, for the callers that take plain strings.
    EXPECT_EQ(first.firstOption.Text()[259], 0);
    // The input ends inside the second one: it keeps what it got.
    const UiConstraint& second = *result.model->GetUiConstraint(1);
    EXPECT_EQ(Show(second.firstFeature), "*A");
    EXPECT_EQ(second.firstOption.Length(), 0);
    EXPECT_EQ(second.secondOption.Text()[0], 0);
    EXPECT_EQ(result.report.stop, PpdReadStop::kInputEnded);
}

TEST(PpdReaderTest, KeywordsAreCaseSensitive) {
    const ReadResult result = ReadPpdText(
        "*openui *A: PickOne\n"
        "*OpenUI *B: PickOne\n*b x: \"\"\n*B y: \"\"\n*CloseUI: *B\n"
        "*OpenGroup: installableOptions\n"
        "*OpenUI *C: PickOne\n*CloseUI: *C\n");
    ASSERT_EQ(result.model->GetFeatureCount(), 2);
    EXPECT_EQ(FeatureNamed(*result.model, u"*B").GetOptionCount(), 1);
    EXPECT_EQ(result.model->GetInstallableCount(), 0);
}

TEST(PpdReaderTest, QuotedValuesAreSkippedUnlessTheyAreWholeKeywords) {
    const ReadResult result = ReadPpdText(
        "*NickName: \"x\n*OpenUI *Hidden: PickOne\n*CloseUI: *Hidden\"\n"
        "\"*OpenUI\" *Shown: PickOne\n*CloseUI: *Shown\n");
    ASSERT_EQ(result.model->GetFeatureCount(), 1);
    EXPECT_EQ(Show(result.model->GetPpdFeature(0)->keyword), "*Shown");
}

TEST(PpdReaderTest, InstallableSelectionsOnlyInsideTheGroup) {
    const ReadResult result = ReadPpdText(
        "*OpenGroup: InstallableOptions\n"
        "*OpenUI *M/Memory: PickOne\n*DefaultM: 64MB\n*CloseUI: *M\n"
        "*OpenUI *N: Boolean\n*CloseUI: *N\n"
        "*CloseGroup: InstallableOptions\n"
        "*OpenUI *O: PickOne\n*DefaultO: x\n*CloseUI: *O\n"
        "*OpenGroup: InstallableOptions/Installed Options\n"
        "*DefaultP: True\n"
        "*OpenUI *P: Boolean\n*CloseUI: *P\n");
    const PpdModel& model = *result.model;
    ASSERT_EQ(model.GetInstallableCount(), 3);
    EXPECT_EQ(Show(model.GetInstallableSelection(0)->currentOption), "64MB");
    EXPECT_EQ(Show(model.GetInstallableSelection(1)->keyword), "*N");
    EXPECT_EQ(model.GetInstallableSelection(1)->currentOption.Length(), 0);
    // A default statement outside the block does not count.
    EXPECT_EQ(Show(model.GetInstallableSelection(2)->keyword), "*P");
    EXPECT_EQ(model.GetInstallableSelection(2)->currentOption.Length(), 0);
    EXPECT_EQ(FeatureNamed(model, u"*O").groupKeyword.Length(), 0);
    EXPECT_EQ(Show(FeatureNamed(model, u"*P").groupKeyword), "InstallableOptions");
}

TEST(PpdReaderTest, GroupNamesKeepTrailingBlanksAndTheLastSlashPiece) {
    const ReadResult result = ReadPpdText(
        "*OpenGroup: InstallableOptions  \n*OpenUI *A: PickOne\n*CloseUI: *A\n"
        "*OpenGroup: General/InstallableOptions\n*OpenUI *B: PickOne\n*CloseUI: *B\n");
    EXPECT_EQ(Show(result.model->GetPpdFeature(0)->groupKeyword), "InstallableOptions  ");
    EXPECT_EQ(Show(result.model->GetPpdFeature(1)->groupKeyword), "General");
    EXPECT_EQ(result.model->GetInstallableCount(), 0);
}

TEST(PpdReaderTest, BlockStatements) {
    const ReadResult result = ReadPpdText(
        "*OpenUI *A: PickOne\n"
        "*DefaultA: one\n"
        "*DefaultOther: two\n"  // any "*Default..." replaces the default
        "*OrderDependency: 10 AnySetup *A\n"
        "*A x: \"\"\n"
        "*OpenUI *B: PickOne\n"  // skipped inside a block
        "*B y: \"\"\n"           // another feature's option: skipped
        "*CloseUI: *NotA\n"      // the keyword after it is not compared
        "*DefaultA: three\n"     // outside the block: skipped
        "*UIConstraints: *A x *A x\n");
    const PpdModel& model = *result.model;
    ASSERT_EQ(model.GetFeatureCount(), 1);
    const PpdFeature& feature = *model.GetPpdFeature(0);
    EXPECT_EQ(Show(feature.defaultOption), "two");
    ASSERT_EQ(feature.GetOptionCount(), 1);
    EXPECT_EQ(model.GetConstraintCount(), 1);
    EXPECT_FALSE(result.report.StoppedEarly());
}

TEST(PpdReaderTest, AMissingCloseUIRunsOnToALaterOne) {
    const ReadResult result = ReadPpdText(
        "*OpenUI *A: PickOne\n*A a: \"\"\n"
        "*OpenUI *B: PickOne\n*DefaultB: b\n*B b: \"\"\n*CloseUI: *B\n"
        "*OpenUI *C: PickOne\n*CloseUI: *C\n");
    ASSERT_EQ(result.model->GetFeatureCount(), 2);
    EXPECT_EQ(Show(result.model->GetPpdFeature(0)->defaultOption), "b");
    EXPECT_EQ(result.model->GetPpdFeature(0)->GetOptionCount(), 1);
    EXPECT_EQ(Show(result.model->GetPpdFeature(1)->keyword), "*C");
}

TEST(PpdReaderTest, ASecondQueryEndsReading) {
    const ReadResult result = ReadPpdText(
        "*OpenGroup: InstallableOptions\n"
        "*OpenUI *A: PickOne\n*?A: \"q\"\n*A a: \"\"\n*?A: \"again\"\n*A b: \"\"\n*CloseUI: *A\n"
        "*OpenUI *B: PickOne\n*CloseUI: *B\n*UIConstraints: *A a *B b\n");
    const PpdModel& model = *result.model;
    ASSERT_EQ(model.GetFeatureCount(), 1);
    EXPECT_EQ(model.GetPpdFeature(0)->GetOptionCount(), 1);
    EXPECT_EQ(model.GetInstallableCount(), 0);
    EXPECT_EQ(model.GetConstraintCount(), 0);
    EXPECT_EQ(result.report.stop, PpdReadStop::kSecondQuery);
    EXPECT_EQ(result.report.statementCode, kPpdOpenUI);
    EXPECT_EQ(result.report.nLine, 5);
}

// What the reader tells an observer: each feature and constraint it counts,
// with the line its statement's keyword ended on.
struct ObservedReading {
    std::vector<std::pair<PpdKeywordCode, std::int64_t>> statements;
    PpdReadReport report;
    std::unique_ptr<PpdModel> model;
};

void NoteStatement(void* context, PpdKeywordCode code, std::int64_t line) {
    static_cast<ObservedReading*>(context)->statements.emplace_back(code, line);
}

ObservedReading ReadObserved(const std::string& bytes, PpdEvaluation evaluation) {
    ObservedReading reading;
    PpdMemoryInput input{reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 0};
    PpdReadSettings settings;
    settings.evaluation = evaluation;
    settings.pfnObserve = NoteStatement;
    settings.pObserverContext = &reading;
    reading.model = ReadPpdModel(ReadPpdMemoryByte, &input, settings, &reading.report);
    return reading;
}

using Statements = std::vector<std::pair<PpdKeywordCode, std::int64_t>>;

TEST(PpdReaderTest, AnObserverLearnsTheLineOfEveryFeatureAndConstraint) {
    const ObservedReading reading = ReadObserved(kSmallPpd, PpdEvaluation::kIndexed);
    EXPECT_EQ(reading.statements, (Statements{{kPpdOpenUI, 8},
                                              {kPpdOpenUI, 18},
                                              {kPpdOpenUI, 24},
                                              {kPpdUIConstraints, 29},
                                              {kPpdUIConstraints, 30}}));
    EXPECT_FALSE(reading.report.StoppedEarly());
    EXPECT_EQ(reading.report.nStatementLine, 0);
    // The same model and marks as without an observer.
    EXPECT_EQ(testing::AllMarks(*reading.model), testing::AllMarks(*ReadPpdText(kSmallPpd).model));

    // A constraint that takes the keyword of the next statement as its
    // fourth token counts on its own line; a block cut off by a second
    // query counts, and the report names the line its "*OpenUI" was on.
    const ObservedReading damaged = ReadObserved(
        "*UIConstraints: *A a *B\n"
        "*UIConstraints: *C c *D d\n"
        "\n"
        "*OpenUI *E: PickOne\n*?E: \"q\"\n*E e: \"\"\n*?E: \"again\"\n*CloseUI: *E\n"
        "*UIConstraints: *E e *F f\n",
        PpdEvaluation::kNone);
    EXPECT_EQ(damaged.statements, (Statements{{kPpdUIConstraints, 1}, {kPpdOpenUI, 4}}));
    EXPECT_EQ(damaged.report.stop, PpdReadStop::kSecondQuery);
    EXPECT_EQ(damaged.report.nStatementLine, 4);
    EXPECT_EQ(damaged.report.nLine, 7);
}

TEST(PpdReaderTest, TheEvaluationAfterReadingIsTheCallersChoice) {
    const std::string text =
        std::string(kSmallPpd) + "*UIConstraints: *QVTrayUnit None *InputSlot LC1\n";
    const ReadResult indexed = ReadPpdText(text);
    ASSERT_TRUE(indexed.model->HasConstraintIndex());
    EXPECT_EQ(testing::MarksOf(*indexed.model, u"*InputSlot"), "11");

    const ObservedReading walked = ReadObserved(text, PpdEvaluation::kWalked);
    EXPECT_FALSE(walked.model->HasConstraintIndex());
    EXPECT_EQ(testing::AllMarks(*walked.model), testing::AllMarks(*indexed.model));

    const ObservedReading unevaluated = ReadObserved(text, PpdEvaluation::kNone);
    EXPECT_FALSE(unevaluated.model->HasConstraintIndex());
    EXPECT_EQ(testing::MarksOf(*unevaluated.model, u"*InputSlot"), "00");
    EXPECT_EQ(unevaluated.model->GetConstraintCount(), 3);
}

TEST(PpdReaderTest, UIConstraintsAlwaysTakeFourTokens) {
    const ReadResult result = ReadPpdText(
        "*UIConstraints: *A a *B\n"
        "*UIConstraints: *C c *D d\n"
        "*UIConstraints: *E \"\" *F \"f g\"\n");
    const PpdModel& model = *result.model;
    ASSERT_EQ(model.GetConstraintCount(), 2);
    EXPECT_EQ(Show(model.GetUiConstraint(0)->secondFeature), "*B");
    EXPECT_EQ(Show(model.GetUiConstraint(0)->secondOption), "*UIConstraints");
    // "*C c *D d" were then skipped as ordinary tokens.
    EXPECT_EQ(Show(model.GetUiConstraint(1)->firstFeature), "*E");
    EXPECT_EQ(model.GetUiConstraint(1)->firstOption.Length(), 0);
    EXPECT_EQ(Show(model.GetUiConstraint(1)->secondOption), "f g");
    EXPECT_FALSE(result.report.StoppedEarly());
}

TEST(PpdReaderTest, TheInputEndingInsideAStatementKeepsWhatWasRead) {
    struct Case {
        const char* text;
        PpdKeywordCode statement;
        int features;
        int options;
        int constraints;
    };
    const Case cases[] = {
        {"*OpenUI *A: PickOne\n*A a/Alpha: \"open quote", kPpdOpenUI, 1, 1, 0},
        {"*OpenUI *A: PickOne\n*A a/Alpha", kPpdOpenUI, 1, 1, 0},
        {"*OpenUI *A: PickOne\n*A", kPpdOpenUI, 1, 1, 0},
        {"*OpenUI *A: PickOne\n*OrderDependency: 10 AnySetup", kPpdOpenUI, 1, 0, 0},
        {"*OpenUI *A: PickOne\n*DefaultA:", kPpdOpenUI, 1, 0, 0},
        {"*OpenUI *A: PickOne\n*?A:", kPpdOpenUI, 1, 0, 0},
        {"*OpenUI *A: PickOne\n*CloseUI:", kPpdOpenUI, 1, 0, 0},
        {"*OpenUI *A:", kPpdOpenUI, 1, 0, 0},
        {"*OpenUI", kPpdOpenUI, 1, 0, 0},
        {"*UIConstraints: *A a *B", kPpdUIConstraints, 0, 0, 1},
        {"*UIConstraints:", kPpdUIConstraints, 0, 0, 1},
        {"*OpenGroup:", kPpdOpenGroup, 0, 0, 0},
        {"*ModelName: ", kPpdModelName, 0, 0, 0},
        {"*Manufacturer:", kPpdManufacturer, 0, 0, 0},
        {"*Product:", kPpdProduct, 0, 0, 0},
        {"*LanguageVersion:", kPpdLanguageVersion, 0, 0, 0},
        {"*LanguageEncoding:", kPpdLanguageEncoding, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const ReadResult result = ReadPpdText(c.text);
        const PpdModel& model = *result.model;
        EXPECT_EQ(result.report.stop, PpdReadStop::kInputEnded) << c.text;
        EXPECT_EQ(result.report.statementCode, c.statement) << c.text;
        EXPECT_EQ(result.report.nByteOffset, static_cast<std::int64_t>(std::string(c.text).size()));
        EXPECT_EQ(model.GetFeatureCount(), c.features) << c.text;
        EXPECT_EQ(model.GetInstallableCount(), 0) << c.text;
        if (c.features > 0) {
            EXPECT_EQ(model.GetPpdFeature(0)->GetOptionCount(), c.options) << c.text;
        }
        EXPECT_EQ(model.GetConstraintCount(), c.constraints) << c.text;
    }
}

TEST(PpdReaderTest, AnUnterminatedBlockInTheInstallableGroupGetsNoSelection) {
    const ReadResult result = ReadPpdText(
        "*OpenGroup: InstallableOptions\n*OpenUI *A: PickOne\n*DefaultA: x\n*A x: \"\"\n");
    ASSERT_EQ(result.model->GetFeatureCount(), 1);
    EXPECT_EQ(Show(result.model->GetPpdFeature(0)->defaultOption), "x");
    EXPECT_EQ(result.model->GetInstallableCount(), 0);
    EXPECT_EQ(result.report.stop, PpdReadStop::kInputEnded);
}

TEST(PpdReaderTest, ControlAndHighBytesInNamesAndValues) {
    // NUL separates tokens like a blank; 0x1A and 0x0B belong to tokens;
    // bytes from 0x80 up are read through the code page.
    const char raw[] = "*OpenUI\0*A/\xC4rger\x1A: PickOne\n*A \x80\x0B/\xE9: \"\"\n*CloseUI: *A\n";
    const std::string text(raw, sizeof raw - 1);
    const ReadResult result = ReadPpdText(text);
    ASSERT_EQ(result.model->GetFeatureCount(), 1);
    const PpdFeature& feature = *result.model->GetPpdFeature(0);
    EXPECT_EQ(Show(feature.translation), "\\u00C4rger\x1A");
    ASSERT_EQ(feature.GetOptionCount(), 1);
    EXPECT_EQ(Show(feature.GetPpdOption(0)->keyword), "\\u20AC\x0B");
    EXPECT_EQ(Show(feature.GetPpdOption(0)->translation), "\\u00E9");
    EXPECT_FALSE(result.report.StoppedEarly());
}

TEST(PpdReaderTest, AQuotedValueEndsAtAZeroItHolds) {
    // A quoted value keeps a NUL as a character, but a text of the model
    // ends at it; the rest of the value is still read through the code page.
    const char raw[] = "*OpenUI *A: PickOne\n*DefaultA: \"x\xE9\0y\"\n*A b: \"\"\n*CloseUI: *A\n"
                       "*UIConstraints: \"p\0q\" r \"\xE9\" s\n";
    const std::string text(raw, sizeof raw - 1);
    const ReadResult result = ReadPpdText(text);
    ASSERT_EQ(result.model->GetFeatureCount(), 1);
    EXPECT_EQ(Show(result.model->GetPpdFeature(0)->defaultOption), "x\\u00E9");
    ASSERT_EQ(result.model->GetConstraintCount(), 1);
    const UiConstraint& constraint = *result.model->GetUiConstraint(0);
    EXPECT_EQ(Show(constraint.firstFeature), "p");
    EXPECT_EQ(Show(constraint.secondFeature), "\\u00E9");
    EXPECT_FALSE(result.report.StoppedEarly());
}

TEST(PpdReaderTest, AFeatureKeywordChangedByTheCodePageMatchesNoOptionStatement) {
    // The option statements compare the raw token with the stored keyword.
    const ReadResult result = ReadPpdText("*OpenUI *\x80: PickOne\n*\x80 a: \"\"\n*CloseUI: *x\n");
    ASSERT_EQ(result.model->GetFeatureCount(), 1);
    EXPECT_EQ(result.model->GetPpdFeature(0)->GetOptionCount(), 0);
}

TEST(PpdReaderTest, ArraysGrowPastTheirStartingCapacities) {
    std::string text = "*OpenGroup: InstallableOptions\n";
    for (int i = 0; i < 40; ++i) {
        text += "*OpenUI *I" + std::to_string(i) + ": Boolean\n*CloseUI: *I\n";
    }
    text += "*CloseGroup: InstallableOptions\n*OpenUI *Many: PickOne\n";
    for (int i = 0; i < 130; ++i) {
        text += "*Many o" + std::to_string(i) + ": \"\"\n";
    }
    text += "*CloseUI: *Many\n";
    for (int i = 0; i < 1100; ++i) {
        text += "*UIConstraints: *I0 True *Many o" + std::to_string(i % 130) + "\n";
    }
    const ReadResult result = ReadPpdText(text);
    const PpdModel& model = *result.model;
    EXPECT_EQ(model.GetFeatureCount(), 41);
    EXPECT_EQ(model.GetInstallableCount(), 40);
    EXPECT_EQ(Show(model.GetInstallableSelection(39)->keyword), "*I39");
    EXPECT_EQ(FeatureNamed(model, u"*Many").GetOptionCount(), 130);
    EXPECT_EQ(Show(FeatureNamed(model, u"*Many").GetPpdOption(129)->keyword), "o129");
    EXPECT_EQ(model.GetConstraintCount(), 1100);
    EXPECT_EQ(Show(model.GetUiConstraint(1099)->secondOption), "o59");
}

TEST(PpdReaderTest, ATokenLongerThanTheBufferIsReadAsTwo) {
    // The cut falls inside a quoted value; its rest, "*OpenUI", is then a
    // token of its own and opens a feature.
    const std::string text =
        "*NickName: \"" + std::string(1048575, 'x') + "!*OpenUI *Cut: PickOne\n*CloseUI: *Cut\n";
    const ReadResult result = ReadPpdText(text);
    ASSERT_EQ(result.model->GetFeatureCount(), 1);
    EXPECT_EQ(Show(result.model->GetPpdFeature(0)->keyword), "*Cut");
}

}  // namespace
}  // namespace marlow
