// The string loader: the host's heap gives the buffer, which grows while a
// text fills it. The program's own strings stand in for the plug-in's, and
// the capacities asked of LoadStringW are read off its import.
#include "core/resource_string.h"
#include "core_test_strings.h"
#include "host/import_patch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlow::test {
namespace {

std::vector<int> g_capacities;

int WINAPI RecordLoadString(HINSTANCE module, UINT id, LPWSTR buffer, int capacity) {
    g_capacities.push_back(capacity);
    return LoadStringW(module, id, buffer, capacity);
}

std::wstring Digits(std::size_t length) {
    std::wstring text;
    while (text.size() < length) text += L"0123456789";
    return text.substr(0, length);
}

class ResourceString : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, heap.Get());
        ASSERT_TRUE(patch.IsActive());
        g_capacities.clear();
    }

    const HMODULE program = GetModuleHandleW(nullptr);
    UniqueHeap heap{HeapCreate(0, 0, 0)};
    host::ImportPatch patch{program, "user32.dll", "LoadStringW", reinterpret_cast<void*>(&RecordLoadString)};
};

struct GrowthCase {
    UINT id;
    std::size_t length;
    std::vector<int> capacities;
};

TEST_F(ResourceString, GrowsUntilTheTextNoLongerFillsTheBuffer) {
    const GrowthCase cases[] = {
        {IDS_TEST_TEXT_100, 100, {257}},
        // Exactly the first capacity's text: one further load tells.
        {IDS_TEST_TEXT_256, 256, {257, 513}},
        {IDS_TEST_TEXT_300, 300, {257, 513}},
        {IDS_TEST_TEXT_512, 512, {257, 513, 1025}},
    };
    for (const GrowthCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "string " << c.id);
        g_capacities.clear();
        UniqueHeapText text = LoadResourceString(program, heap.Get(), c.id);
        ASSERT_TRUE(text);
        EXPECT_EQ(Digits(c.length), std::wstring(text.Get()));
        EXPECT_EQ(c.capacities, g_capacities);
        EXPECT_EQ(c.capacities.back() * sizeof(WCHAR), HeapSize(heap.Get(), 0, text.Get()))
            << "the block of the last load is the one returned";
    }
}

TEST_F(ResourceString, AMissingStringIsAnEmptyText) {
    UniqueHeapText text = LoadResourceString(program, heap.Get(), IDS_TEST_MISSING);
    ASSERT_TRUE(text);
    EXPECT_EQ(L'\0', text.Get()[0]);
    EXPECT_EQ(257 * sizeof(WCHAR), HeapSize(heap.Get(), 0, text.Get()));
    EXPECT_EQ(std::vector<int>{257}, g_capacities);
}

TEST_F(ResourceString, WithoutAHeapThereIsNoText) {
    EXPECT_FALSE(LoadResourceString(program, nullptr, IDS_TEST_TEXT_100));
    EXPECT_TRUE(g_capacities.empty());
}

TEST_F(ResourceString, TheOwnerFreesTheBlockOnTheHostsHeap) {
    WCHAR* kept = nullptr;
    {
        UniqueHeapText text = LoadResourceString(program, heap.Get(), IDS_TEST_TEXT_100);
        kept = text.Release();  // as the page titles are
    }
    EXPECT_TRUE(HeapValidate(heap.Get(), 0, kept));
    UniqueHeapText owner(kept, HeapTextPolicy(heap.Get()));
    owner.Reset();
    EXPECT_FALSE(HeapValidate(heap.Get(), 0, kept)) << "the block is free again";
}

}  // namespace
}  // namespace marlow::test
