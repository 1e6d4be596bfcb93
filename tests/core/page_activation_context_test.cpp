// The pages' activation context, made from the manifest of the built
// library, and the owner that makes it active for a scope.
#include "core/module_instance.h"
#include "core/page_activation_context.h"
#include "plugin_module.h"

#include <gtest/gtest.h>

namespace marlow::test {
namespace {

HANDLE CurrentActCtx() {
    HANDLE current = nullptr;
    if (!GetCurrentActCtx(&current)) return nullptr;
    if (current != nullptr) ReleaseActCtx(current);  // only compared
    return current;
}

class PageActivationContext : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, plugin.Handle());
        SetModuleInstance(plugin.Handle());
    }
    void TearDown() override {
        ReleasePageActivationContext();
        SetModuleInstance(nullptr);
    }
    PluginModule plugin;
};

TEST_F(PageActivationContext, IsMadeOnceFromTheLibrarysManifest) {
    const HANDLE context = GetPageActivationContext();
    ASSERT_NE(INVALID_HANDLE_VALUE, context);
    EXPECT_EQ(context, GetPageActivationContext());
    ReleasePageActivationContext();
    // Made again on the next need after a release.
    EXPECT_NE(INVALID_HANDLE_VALUE, GetPageActivationContext());
}

TEST_F(PageActivationContext, IsActiveForTheScopeOfItsActivation) {
    const HANDLE before = CurrentActCtx();
    {
        PageActivation activation = ActivatePageActivationContext();
        ASSERT_TRUE(activation);
        EXPECT_EQ(GetPageActivationContext(), CurrentActCtx());
        PageActivation moved = std::move(activation);
        EXPECT_FALSE(activation);
        EXPECT_EQ(GetPageActivationContext(), CurrentActCtx()) << "a move deactivates nothing";
    }
    EXPECT_EQ(before, CurrentActCtx());
}

TEST_F(PageActivationContext, AModuleWithoutAManifestGivesNoContextAndNoActivation) {
    SetModuleInstance(GetModuleHandleW(nullptr));  // the test program has no manifest 2
    EXPECT_EQ(INVALID_HANDLE_VALUE, GetPageActivationContext());
    const HANDLE before = CurrentActCtx();
    {
        PageActivation activation = ActivatePageActivationContext();
        EXPECT_FALSE(activation);
        EXPECT_EQ(before, CurrentActCtx());
    }
    EXPECT_EQ(before, CurrentActCtx());
}

}  // namespace
}  // namespace marlow::test
