// The model's growable arrays: elements are never stored out of bounds,
// whatever order the calls come in.
#include "ppd/ppd_pointer_array.h"

#include <gtest/gtest.h>

#include <memory>

namespace marlow {
namespace {

// Counts the live elements, so that a test sees what was deleted.
struct Counted {
    explicit Counted(int& live) : pLive(&live) { ++*pLive; }
    ~Counted() { --*pLive; }
    int* pLive;
};

TEST(PpdPointerArrayTest, AddGrowsAFullArrayByDoubling) {
    int live = 0;
    {
        PpdPointerArray<Counted> array;
        ASSERT_TRUE(array.Allocate(2));
        for (int i = 0; i < 9; ++i) {
            // No MakeRoom first: Add makes its own room.
            ASSERT_TRUE(array.Add(std::make_unique<Counted>(live))) << "element " << i;
        }
        EXPECT_EQ(array.Count(), 9);
        EXPECT_EQ(live, 9);
        EXPECT_NE(array.At(8), nullptr);
        EXPECT_EQ(array.At(9), nullptr);
        EXPECT_EQ(array.At(-1), nullptr);
    }
    EXPECT_EQ(live, 0) << "the array deletes what it holds";
}

TEST(PpdPointerArrayTest, AnArrayNeverAllocatedRefusesAndDeletesTheElement) {
    int live = 0;
    PpdPointerArray<Counted> array;
    EXPECT_FALSE(array.MakeRoom());
    EXPECT_FALSE(array.Add(std::make_unique<Counted>(live)));
    EXPECT_EQ(array.Count(), 0);
    EXPECT_EQ(live, 0) << "a refused element is deleted, not leaked";
    EXPECT_FALSE(array.Add(nullptr));
}

TEST(PpdPointerArrayTest, AllocatingAgainStartsEmpty) {
    int live = 0;
    PpdPointerArray<Counted> array;
    ASSERT_TRUE(array.Allocate(4));
    ASSERT_TRUE(array.Add(std::make_unique<Counted>(live)));
    ASSERT_TRUE(array.Allocate(4));
    EXPECT_EQ(array.Count(), 0);
    EXPECT_EQ(live, 0);
}

}  // namespace
}  // namespace marlow
