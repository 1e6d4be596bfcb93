// The movable COM reference, with an interface that logs its releases. It
// needs no platform header, so it runs natively too.
#include "platform/com_ref.h"

#include <gtest/gtest.h>

#include <utility>

namespace marlow::test {
namespace {

struct CountedInterface {
    int references = 1;
    int releases = 0;
    unsigned long Release() {
        ++releases;
        return static_cast<unsigned long>(--references);
    }
};

TEST(ComRef, ReleasesItsReferenceOnceWhenItGoes) {
    CountedInterface object;
    {
        ComRef<CountedInterface> ref;
        ref.Attach(&object);
        EXPECT_EQ(&object, ref.Get());
        EXPECT_TRUE(ref);
    }
    EXPECT_EQ(1, object.releases);
    EXPECT_EQ(0, object.references);
}

TEST(ComRef, MovesWithoutReleasingAndReleasesWhatAnAssignmentReplaces) {
    CountedInterface first, second;
    ComRef<CountedInterface> a;
    a.Attach(&first);
    ComRef<CountedInterface> b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(&first, b.Get());
    EXPECT_EQ(0, first.releases) << "a move hands the reference on";

    ComRef<CountedInterface> c;
    c.Attach(&second);
    c = std::move(b);
    EXPECT_EQ(1, second.releases) << "the reference replaced";
    EXPECT_EQ(0, first.releases);
    EXPECT_EQ(&first, c.Get());
}

TEST(ComRef, DetachHandsTheReferenceOnAndPutReleasesFirst) {
    CountedInterface first, second;
    ComRef<CountedInterface> ref;
    ref.Attach(&first);
    CountedInterface* detached = ref.Detach();
    EXPECT_EQ(&first, detached);
    EXPECT_FALSE(ref);
    EXPECT_EQ(0, first.releases);

    ref.Attach(&first);
    CountedInterface** slot = ref.Put();
    EXPECT_EQ(1, first.releases) << "Put releases what was held";
    ASSERT_NE(nullptr, slot);
    EXPECT_EQ(nullptr, *slot);
    *slot = &second;  // as an out-parameter is written
    EXPECT_EQ(&second, ref.Get());
    EXPECT_EQ(reinterpret_cast<void**>(slot), ref.PutVoid()) << "the same slot, emptied again";
    EXPECT_EQ(1, second.releases);
    ref.Reset();
    EXPECT_EQ(1, second.releases) << "nothing held, nothing released";
}

}  // namespace
}  // namespace marlow::test
