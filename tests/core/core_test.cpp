// The core's own helpers: the guard at the library's boundary and the safe
// reading of the host's items.
#include "core/boundary_guard.h"
#include "core/host_items.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace marlow::test {
namespace {

TEST(BoundaryGuard, TurnsWhatIsThrownIntoAResult) {
    EXPECT_EQ(S_FALSE, CallGuardedHr([] { return S_FALSE; }));
    EXPECT_EQ(E_OUTOFMEMORY, CallGuardedHr([]() -> HRESULT { throw std::bad_alloc(); }));
    EXPECT_EQ(E_FAIL, CallGuardedHr([]() -> HRESULT { throw std::runtime_error("library"); }));
    EXPECT_EQ(7L, CallGuarded(7L, []() -> LONG { throw 1; }));
    EXPECT_EQ(3L, CallGuarded(7L, [] { return 3L; }));
}

TEST(HostItems, ResourceIdsAreTheValuesBelow0x10000) {
    EXPECT_TRUE(IsResourceId(nullptr));
    EXPECT_TRUE(IsResourceId(MAKEINTRESOURCEW(0xFFFF)));
    EXPECT_FALSE(IsResourceId(L"text"));
}

TEST(HostItems, IncompleteItemsHaveNoOptionsAndNoKeyword) {
    OPTITEM item = {};
    DWORD count = 99;
    EXPECT_EQ(nullptr, GetOptionParams(item, &count));
    EXPECT_EQ(0u, count);
    OPTTYPE type = {};
    type.Count = 3;
    item.pOptType = &type;
    count = 99;
    EXPECT_EQ(nullptr, GetOptionParams(item, &count)) << "an option type without parameters";
    EXPECT_EQ(0u, count);
    EXPECT_FALSE(HasPpdKeyword(item, "QVRendering"));

    USERDATA userData = {};
    item.UserData = reinterpret_cast<ULONG_PTR>(&userData);
    EXPECT_FALSE(HasPpdKeyword(item, "QVRendering")) << "USERDATA without a keyword";

    OEMCUIPPARAM param = {};
    param.cDrvOptItems = 40;
    EXPECT_EQ(0u, GetHostItems(param).count) << "no array, whatever the count";
}

TEST(HostItems, KeywordsMatchExactly) {
    char keyword[] = "QVRendering";
    USERDATA userData = {};
    userData.pKeyWordName = keyword;
    OPTITEM item = {};
    item.UserData = reinterpret_cast<ULONG_PTR>(&userData);
    EXPECT_TRUE(HasPpdKeyword(item, "QVRendering"));
    EXPECT_FALSE(HasPpdKeyword(item, "QVRenderingX"));
    EXPECT_FALSE(HasPpdKeyword(item, "QVRender"));
    EXPECT_FALSE(HasPpdKeyword(item, "qvrendering"));
}

}  // namespace
}  // namespace marlow::test
