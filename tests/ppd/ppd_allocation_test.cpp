// Reading when memory runs out. This program replaces the nothrow forms of
// operator new, which the model allocates with, by ones that refuse after a
// given number of allocations; so it is a test program of its own.
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "ppd/store_ppd_text.h"
#include "ppd_test_support.h"

namespace {

// The number of the nothrow allocation to refuse, counted from 0 while a
// budget lives; negative: none. Test-only state that the replaced operators
// below need.
long g_nRefuseAt = -1;
long g_nAllocationsSeen = 0;
bool g_bRefused = false;

bool GrantAllocation() {
    if (g_nRefuseAt < 0) {
        return true;
    }
    if (g_nAllocationsSeen++ == g_nRefuseAt) {
        g_bRefused = true;
        return false;
    }
    return true;
}

// Refuses one nothrow allocation, the refuseAt-th made while it lives.
class AllocationBudget {
public:
    explicit AllocationBudget(long refuseAt) {
        g_nRefuseAt = refuseAt;
        g_nAllocationsSeen = 0;
        g_bRefused = false;
    }
    ~AllocationBudget() { g_nRefuseAt = -1; }
    AllocationBudget(const AllocationBudget&) = delete;
    AllocationBudget& operator=(const AllocationBudget&) = delete;

    bool Refused() const { return g_bRefused; }
};

}  // namespace

// The ordinary operators do the work, so that the matching deletes apply.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (!GrantAllocation()) {
        return nullptr;
    }
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (!GrantAllocation()) {
        return nullptr;
    }
    try {
        return ::operator new[](size);
    } catch (...) {
        return nullptr;
    }
}

namespace marlow {
namespace {

using testing::ReadPpdText;
using testing::ReadResult;

std::string AllocationPpd() {
    std::string text =
        "*PPD-Adobe: \"4.3\"\n"
        "*OpenGroup: InstallableOptions\n"
        "*OpenUI *QVTrayUnit: PickOne\n*DefaultQVTrayUnit: None\n"
        "*QVTrayUnit None: \"\"\n*QVTrayUnit 1Tray: \"\"\n*CloseUI: *QVTrayUnit\n"
        "*OpenUI *QVDuplexOption: Boolean\n*DefaultQVDuplexOption: False\n"
        "*CloseUI: *QVDuplexOption\n"
        "*CloseGroup: InstallableOptions\n"
        // A value long enough for the byte string of StorePpdText to need the heap.
        "*OpenUI *InputSlot: PickOne\n*DefaultInputSlot: " +
        std::string(2000, 'D') + "\n";
    for (int i = 0; i < 70; ++i) {
        text += "*InputSlot LC" + std::to_string(i) + ": \"\"\n";
    }
    text += "*CloseUI: *InputSlot\n";
    for (int i = 0; i < 40; ++i) {
        text += "*OpenUI *F" + std::to_string(i) + ": PickOne\n*CloseUI: *F\n";
    }
    for (int i = 0; i < 600; ++i) {
        text += "*UIConstraints: *QVTrayUnit None *InputSlot LC" + std::to_string(i % 70) + "\n";
    }
    return text;
}

std::int32_t CountGroupFeatures(const PpdModel& model) {
    std::int32_t count = 0;
    for (std::int32_t i = 0; i < model.GetFeatureCount(); ++i) {
        count += model.GetPpdFeature(i)->IsInstallable();
    }
    return count;
}

TEST(PpdAllocationTest, EveryRefusedAllocationLeavesAConsistentModel) {
    const std::string text = AllocationPpd();
    const ReadResult full = ReadPpdText(text);
    ASSERT_EQ(full.model->GetFeatureCount(), 43);
    ASSERT_EQ(full.model->GetConstraintCount(), 600);
    ASSERT_FALSE(full.report.StoppedEarly());

    bool bCompleted = false;
    int storedEmpty = 0;
    for (long refuseAt = 0; !bCompleted && refuseAt < 100000; ++refuseAt) {
        ReadResult result;
        {
            AllocationBudget budget(refuseAt);
            result = ReadPpdText(text);
            bCompleted = !budget.Refused();
        }
        if (refuseAt == 0) {
            EXPECT_EQ(result.model, nullptr);
            continue;
        }
        ASSERT_NE(result.model, nullptr) << refuseAt;
        const PpdModel& model = *result.model;
        // A feature of the group whose selection could not be made is not
        // counted either; one whose block failed for want of memory for an
        // option stays, last, without a selection.
        const std::int32_t unselected = CountGroupFeatures(model) - model.GetInstallableCount();
        if (unselected == 1) {
            const PpdFeature& last = *model.GetPpdFeature(model.GetFeatureCount() - 1);
            EXPECT_TRUE(last.IsInstallable()) << refuseAt;
            EXPECT_TRUE(result.report.StoppedEarly()) << refuseAt;
        } else {
            EXPECT_EQ(unselected, 0) << refuseAt;
        }
        if (result.report.StoppedEarly()) {
            EXPECT_EQ(result.report.stop, PpdReadStop::kOutOfMemory) << refuseAt;
            EXPECT_LE(model.GetFeatureCount(), full.model->GetFeatureCount());
            EXPECT_LE(model.GetConstraintCount(), full.model->GetConstraintCount());
            continue;
        }
        // Reading went through: whether or not the index could be built,
        // the marks are those of the full model.
        EXPECT_EQ(testing::AllMarks(model), testing::AllMarks(*full.model)) << refuseAt;
        // Only the long default's conversion and the index fail without
        // ending reading: the text is stored empty and everything else is
        // read.
        EXPECT_EQ(model.GetFeatureCount(), full.model->GetFeatureCount()) << refuseAt;
        EXPECT_EQ(model.GetConstraintCount(), full.model->GetConstraintCount()) << refuseAt;
        EXPECT_EQ(model.GetInstallableCount(), full.model->GetInstallableCount()) << refuseAt;
        if (!bCompleted && model.HasConstraintIndex()) {
            EXPECT_EQ(model.GetPpdFeature(2)->defaultOption.Length(), 0) << refuseAt;
            ++storedEmpty;
        }
    }
    EXPECT_TRUE(bCompleted);
    EXPECT_GE(storedEmpty, 1);
}

TEST(PpdAllocationTest, WithoutMemoryForTheIndexTheEvaluationWalksWithTheSameMarks) {
    const std::string text = AllocationPpd();
    int fallbacks = 0;
    bool bIndexed = false;
    for (long refuseAt = 0; !bIndexed && refuseAt < 1000; ++refuseAt) {
        const ReadResult result = testing::ReadPpdTextWithoutIndex(text);
        PpdModel& model = *result.model;
        {
            AllocationBudget budget(refuseAt);
            bIndexed = model.IndexConstraints();
            EXPECT_EQ(bIndexed, !budget.Refused()) << refuseAt;
        }
        EXPECT_EQ(model.HasConstraintIndex(), bIndexed) << refuseAt;
        fallbacks += !bIndexed;
        // The same marks either way, before and after the installed option
        // changes.
        const ReadResult reference = testing::ReadPpdTextWithoutIndex(text);
        for (const char16_t* option : {u"1Tray", u"None"}) {
            model.SetInstalledOption(u"*QVTrayUnit", option, true);
            reference.model->SetInstalledOption(u"*QVTrayUnit", option, true);
            EXPECT_EQ(testing::AllMarks(model), testing::AllMarks(*reference.model)) << refuseAt;
        }
    }
    EXPECT_TRUE(bIndexed);
    EXPECT_GE(fallbacks, 5);
}

TEST(PpdAllocationTest, NoTokenBufferGivesAnEmptyModel) {
    ReadResult result;
    {
        AllocationBudget budget(1);  // the one after the model object
        result = ReadPpdText(AllocationPpd());
    }
    ASSERT_NE(result.model, nullptr);
    EXPECT_EQ(result.model->GetFeatureCount(), 0);
    EXPECT_EQ(result.report.stop, PpdReadStop::kOutOfMemory);
}

TEST(PpdAllocationTest, ALongTextWithoutMemoryIsStoredEmpty) {
    const std::u16string raw(5000, u'x');
    PpdText text(u"before", 6);
    {
        AllocationBudget budget(0);
        StorePpdText(raw.c_str(), text);
    }
    EXPECT_EQ(text.Length(), 0);
    // Short texts need no allocation.
    {
        AllocationBudget budget(0);
        StorePpdText(u"LC3", text);
    }
    EXPECT_EQ(testing::Show(text), "LC3");
}

}  // namespace
}  // namespace marlow
