// The constraint index against the plain walk: the same marks on every
// model, after reading and after every change of the installed options.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ppd_test_support.h"

namespace marlow {
namespace {

using testing::AllMarks;
using testing::MarksOf;
using testing::ReadPpdText;
using testing::ReadPpdTextWithoutIndex;
using testing::ReadResult;

// A fixed sequence, the same on every platform.
class Sequence {
public:
    explicit Sequence(std::uint64_t seed) : state_(seed * 2862933555777941757ULL + 3037000493ULL) {}
    int Next(int bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(bound));
    }
    bool Chance(int percent) { return Next(100) < percent; }

private:
    std::uint64_t state_;
};

// Few names, so that constraints, features and options meet often. "*U"
// names are meant for the group, "*F" names for the rest, but each may
// turn up on either side; "*X" and "q" are defined nowhere.
const char* const kFeatureNames[] = {"*U0", "*U1", "*U2", "*F0", "*F1", "*F2", "*X"};
const char* const kOptionNames[] = {"a", "b", "c", "None", "q", "\"\""};

std::string PickFeature(Sequence& sequence) { return kFeatureNames[sequence.Next(7)]; }
std::string PickOption(Sequence& sequence) { return kOptionNames[sequence.Next(6)]; }

void AppendFeature(Sequence& sequence, const std::string& keyword, std::string& text) {
    text += "*OpenUI " + keyword + "/Some Text: PickOne\n";
    if (sequence.Chance(80)) {
        text += "*Default" + keyword.substr(1) + ": " + PickOption(sequence) + "\n";
    }
    const int options = sequence.Next(5);
    for (int o = 0; o < options; ++o) {
        text += keyword + " " + PickOption(sequence) + "/Choice: \"\"\n";
    }
    text += "*CloseUI: " + keyword + "\n";
}

void AppendFeatures(Sequence& sequence, int count, bool bInGroup, std::string& text) {
    for (int f = 0; f < count; ++f) {
        const bool bUsual = sequence.Chance(75);
        std::string keyword = PickFeature(sequence);
        if (bUsual) {
            keyword =
                std::string(bInGroup ? "*U" : "*F") + static_cast<char>('0' + sequence.Next(3));
        }
        AppendFeature(sequence, keyword, text);
    }
}

void AppendConstraints(Sequence& sequence, std::string& text) {
    const int count = sequence.Next(40);
    std::vector<std::string> written;
    for (int c = 0; c < count; ++c) {
        if (!written.empty() && sequence.Chance(10)) {
            text += written[sequence.Next(static_cast<int>(written.size()))];
            continue;
        }
        // Mostly from an installable feature to another one, as printers do.
        const std::string first =
            sequence.Chance(70) ? "*U" + std::string(1, static_cast<char>('0' + sequence.Next(3)))
                                : PickFeature(sequence);
        const std::string line = "*UIConstraints: " + first + " " + PickOption(sequence) + " " +
                                 PickFeature(sequence) + " " + PickOption(sequence) + "\n";
        written.push_back(line);
        text += line;
    }
}

// Groups, features and constraints in a random order; sometimes a second
// group, or a group spelt in another case (which is not the group).
std::string GeneratePpd(Sequence& sequence) {
    std::string text = "*PPD-Adobe: \"4.3\"\n";
    if (sequence.Chance(50)) {
        AppendFeatures(sequence, sequence.Next(3), false, text);
    }
    const int groups = 1 + sequence.Next(2);
    for (int g = 0; g < groups; ++g) {
        text += sequence.Chance(90) ? "*OpenGroup: InstallableOptions/Options Installed\n"
                                    : "*OpenGroup: installableoptions\n";
        AppendFeatures(sequence, 1 + sequence.Next(4), true, text);
        text += "*CloseGroup: InstallableOptions\n";
        if (sequence.Chance(50)) {
            AppendConstraints(sequence, text);
        }
        AppendFeatures(sequence, sequence.Next(5), false, text);
    }
    AppendConstraints(sequence, text);
    return text;
}

// Sets an installed option on both models, then evaluates (or not).
void ChangeBoth(Sequence& sequence, PpdModel& indexed, PpdModel& walked) {
    const std::u16string keyword(u"*U0");
    std::u16string feature = sequence.Chance(85) ? keyword : u"*F1";
    feature[2] = static_cast<char16_t>(u'0' + sequence.Next(3));
    const char16_t* const options[] = {u"a", u"b", u"c", u"None", u"q", u""};
    const char16_t* option = options[sequence.Next(6)];
    const bool bReevaluate = sequence.Chance(50);
    indexed.SetInstalledOption(feature.c_str(), option, bReevaluate);
    walked.SetInstalledOption(feature.c_str(), option, bReevaluate);
    if (!bReevaluate && sequence.Chance(50)) {
        indexed.EvaluateConstraints();
        walked.EvaluateConstraints();
    }
}

TEST(PpdConstraintIndexTest, GivesTheMarksOfThePlainWalkOnGeneratedModels) {
    int withSelections = 0;
    int withMarks = 0;
    for (std::uint64_t seed = 0; seed < 3000; ++seed) {
        Sequence sequence(seed);
        const std::string text = GeneratePpd(sequence);
        const ReadResult indexed = ReadPpdText(text);
        const ReadResult walked = ReadPpdTextWithoutIndex(text);
        ASSERT_TRUE(indexed.model->HasConstraintIndex()) << "seed " << seed;
        ASSERT_FALSE(walked.model->HasConstraintIndex()) << "seed " << seed;
        ASSERT_EQ(AllMarks(*indexed.model), AllMarks(*walked.model))
            << "seed " << seed << " after reading:\n"
            << text;
        for (int step = 0; step < 8; ++step) {
            ChangeBoth(sequence, *indexed.model, *walked.model);
            ASSERT_EQ(AllMarks(*indexed.model), AllMarks(*walked.model))
                << "seed " << seed << " step " << step << ":\n"
                << text;
        }
        withSelections += indexed.model->GetInstallableCount() > 0;
        withMarks += AllMarks(*indexed.model).find('1') != std::string::npos;
    }
    // The generator must reach the cases that matter, not only empty ones.
    EXPECT_GT(withSelections, 2000);
    EXPECT_GT(withMarks, 500);
}

// The hand-made cases behind the rule that the last joined selection
// decides: a later selection joined to the feature clears a mark; an
// unjoined one does not; a selection joined only to another feature leaves
// the marks alone.
TEST(PpdConstraintIndexTest, TheLastJoinedSelectionDecidesLikeTheWalk) {
    const std::string text =
        "*OpenGroup: InstallableOptions\n"
        "*OpenUI *A: PickOne\n*DefaultA: on\n*CloseUI: *A\n"
        "*OpenUI *B: PickOne\n*DefaultB: on\n*CloseUI: *B\n"
        "*OpenUI *C: PickOne\n*DefaultC: on\n*CloseUI: *C\n"
        "*CloseGroup: InstallableOptions\n"
        "*OpenUI *S: PickOne\n*S x: \"\"\n*S y: \"\"\n*S x: \"\"\n*CloseUI: *S\n"
        "*OpenUI *T: PickOne\n*T x: \"\"\n*CloseUI: *T\n"
        "*UIConstraints: *A on *S x\n"
        "*UIConstraints: *B off *S y\n"  // B joined to *S after A: B decides
        "*UIConstraints: *C on *T x\n"
        "*UIConstraints: *A on *S x\n";
    const ReadResult indexed = ReadPpdText(text);
    const ReadResult walked = ReadPpdTextWithoutIndex(text);
    EXPECT_EQ(MarksOf(*indexed.model, u"*S"), "000");
    EXPECT_EQ(MarksOf(*indexed.model, u"*T"), "1");
    indexed.model->SetInstalledOption(u"*B", u"off", true);
    walked.model->SetInstalledOption(u"*B", u"off", true);
    EXPECT_EQ(MarksOf(*indexed.model, u"*S"), "010");
    EXPECT_EQ(AllMarks(*indexed.model), AllMarks(*walked.model));
}

TEST(PpdConstraintIndexTest, AModelWithoutFeaturesOrConstraintsIsIndexedToo) {
    for (const char* text : {"", "*UIConstraints: *A a *B b\n", "*OpenUI *A: PickOne\n"}) {
        const ReadResult result = ReadPpdText(text);
        EXPECT_TRUE(result.model->HasConstraintIndex()) << text;
        result.model->SetInstalledOption(u"*A", u"a", true);
        EXPECT_EQ(AllMarks(*result.model), AllMarks(*ReadPpdTextWithoutIndex(text).model)) << text;
    }
}

}  // namespace
}  // namespace marlow
