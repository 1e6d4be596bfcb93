// The one handle owner, with a policy that logs what it closes.
#include "platform/unique_handle.h"

#include <gtest/gtest.h>

#include <vector>

namespace marlow::test {
namespace {

std::vector<int> g_closed;

struct LoggingPolicy {
    using Handle = int;
    static constexpr Handle Invalid() noexcept { return -1; }
    static void Close(Handle handle) noexcept { g_closed.push_back(handle); }
};
using LoggedHandle = UniqueHandle<LoggingPolicy>;

// A policy with state that closing needs, like the heap of a heap block.
struct TaggedPolicy {
    using Handle = int;
    int tag = 0;
    static constexpr Handle Invalid() noexcept { return 0; }
    void Close(Handle handle) const noexcept { g_closed.push_back(tag * 100 + handle); }
};

int g_nullClosed = 0;
int CloseCounted(int* p) {
    ++g_nullClosed;
    return *p;
}

class UniqueHandleTest : public ::testing::Test {
protected:
    void SetUp() override { g_closed.clear(); }
};

TEST_F(UniqueHandleTest, ClosesWhatItOwnsOnceAndNothingElse) {
    {
        LoggedHandle empty;
        EXPECT_FALSE(empty);
        LoggedHandle owned(7);
        EXPECT_TRUE(owned);
        EXPECT_EQ(7, owned.Get());
    }
    EXPECT_EQ(std::vector<int>({7}), g_closed);
}

TEST_F(UniqueHandleTest, MovesOwnershipWithoutClosing) {
    LoggedHandle first(3);
    LoggedHandle second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(3, second.Get());
    LoggedHandle third(4);
    third = std::move(second);  // 4 goes, 3 moves on
    EXPECT_EQ(std::vector<int>({4}), g_closed);
    LoggedHandle& alias = third;
    third = std::move(alias);  // moving onto itself keeps the handle
    EXPECT_EQ(3, third.Get());
    EXPECT_EQ(std::vector<int>({4}), g_closed);
}

TEST_F(UniqueHandleTest, ResetReleaseAndPut) {
    LoggedHandle handle(1);
    handle.Reset(2);
    EXPECT_EQ(std::vector<int>({1}), g_closed);
    EXPECT_EQ(2, handle.Release());
    EXPECT_FALSE(handle);
    handle.Reset(5);
    int* slot = handle.Put();  // an out-parameter gets a cleared slot
    EXPECT_EQ(-1, *slot);
    *slot = 6;
    EXPECT_EQ(6, handle.Get());
    EXPECT_EQ(std::vector<int>({1, 5}), g_closed);
}

TEST_F(UniqueHandleTest, KeepsThePolicyStateWithTheHandle) {
    {
        UniqueHandle<TaggedPolicy> first(4, TaggedPolicy{9});
        UniqueHandle<TaggedPolicy> second(std::move(first));
    }
    EXPECT_EQ(std::vector<int>({904}), g_closed);
}

TEST_F(UniqueHandleTest, NullPolicyCallsTheCloseFunctionForNonNullOnly) {
    int value = 42;
    g_nullClosed = 0;
    {
        UniqueNullHandle<int*, CloseCounted> none;
        UniqueNullHandle<int*, CloseCounted> some(&value);
    }
    EXPECT_EQ(1, g_nullClosed);
}

}  // namespace
}  // namespace marlow::test
