// The one IUnknown implementation and the owners of Windows handle kinds, on
// real kernel and GDI objects.
#include "platform/com_object.h"
#include "platform/com_ref.h"
#include "platform/win32_handles.h"

#include <gtest/gtest.h>

namespace marlow::test {
namespace {

// {6E0F3C41-0B57-4B0E-9F5D-3E1C2A7D9B10}
constexpr IID kServedIid = {0x6E0F3C41, 0x0B57, 0x4B0E, {0x9F, 0x5D, 0x3E, 0x1C, 0x2A, 0x7D, 0x9B, 0x10}};

int g_created = 0;
int g_destroyed = 0;

struct CountingLifetime {
    static constexpr bool kDeleteAtZero = true;
    static void Created() noexcept { ++g_created; }
    static void Destroyed() noexcept { ++g_destroyed; }
};

class TestObject final : public ComObject<TestObject, IUnknown, CountingLifetime> {
public:
    static bool ServesInterface(REFIID riid) noexcept { return IsEqualIID(riid, kServedIid) != 0; }

private:
    friend ComObject;
    TestObject() = default;
    ~TestObject() = default;
};

class StackObject final : public ComObject<StackObject, IUnknown, CallerOwnedObject> {
public:
    static bool ServesInterface(REFIID) noexcept { return false; }
    LONG Count() const { return ReferenceCount(); }
};

TEST(ComObject, CreatesForAServedInterfaceAndDeletesAtTheLastRelease) {
    g_created = g_destroyed = 0;
    ComRef<IUnknown> object;
    ASSERT_EQ(S_OK, TestObject::CreateForInterface(kServedIid, object.PutVoid()));
    EXPECT_EQ(1, g_created);
    EXPECT_EQ(2u, object->AddRef()) << "the caller holds the only reference";
    EXPECT_EQ(1u, object->Release());

    ComRef<IUnknown> same;
    ASSERT_EQ(S_OK, object->QueryInterface(IID_IUnknown, same.PutVoid()));
    EXPECT_EQ(object.Get(), same.Get());
    same.Reset();
    EXPECT_EQ(0, g_destroyed);
    EXPECT_EQ(0u, object.Detach()->Release());
    EXPECT_EQ(1, g_destroyed);
}

TEST(ComObject, RefusesOtherInterfacesWithANullPointer) {
    g_created = g_destroyed = 0;
    void* p = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, TestObject::CreateForInterface(IID_IClassFactory, &p));
    EXPECT_EQ(nullptr, p);
    EXPECT_EQ(1, g_destroyed) << "the refused object is gone";
    EXPECT_EQ(E_POINTER, TestObject::CreateForInterface(kServedIid, nullptr));
    EXPECT_EQ(2, g_destroyed);
}

TEST(ComObject, ACallerOwnedObjectOnlyCounts) {
    StackObject object;
    EXPECT_EQ(1, object.Count());
    EXPECT_EQ(2u, object.AddRef());
    EXPECT_EQ(1u, object.Release());
    EXPECT_EQ(0u, object.Release());
    EXPECT_EQ(0, object.Count()) << "still there, at zero";
}

TEST(Win32Owners, AHeapBlockGoesBackToItsOwnHeap) {
    const UniqueHeap heap(HeapCreate(0, 0, 0));
    ASSERT_TRUE(heap);
    UniqueHeapBlock block = AllocateHeapBlock(heap.Get(), 64);
    ASSERT_TRUE(block);
    EXPECT_EQ(0, static_cast<const unsigned char*>(block.Get())[63]) << "zero-filled";
    EXPECT_EQ(64u, HeapSize(heap.Get(), 0, block.Get()));
    UniqueHeapBlock moved(std::move(block));
    moved.Reset();
    PROCESS_HEAP_ENTRY entry = {};
    int busy = 0;
    ASSERT_TRUE(HeapLock(heap.Get()));
    while (HeapWalk(heap.Get(), &entry)) {
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++busy;
    }
    HeapUnlock(heap.Get());
    EXPECT_EQ(0, busy) << "the block was freed to the heap it came from";

    EXPECT_FALSE(AllocateHeapBlock(nullptr, 64)) << "no heap, no block";
}

TEST(Win32Owners, ASelectionPutsThePreviousObjectBack) {
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const UniqueBitmap bitmap(CreateCompatibleBitmap(dc.Get(), 4, 4));
    ASSERT_TRUE(bitmap);
    const HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_BITMAP);
    {
        const UniqueSelection selection = SelectIntoDc(dc.Get(), bitmap.Get());
        ASSERT_TRUE(selection);
        EXPECT_EQ(bitmap.Get(), GetCurrentObject(dc.Get(), OBJ_BITMAP));
    }
    EXPECT_EQ(original, GetCurrentObject(dc.Get(), OBJ_BITMAP));
    EXPECT_FALSE(SelectIntoDc(nullptr, bitmap.Get())) << "no device context, nothing selected";
}

TEST(Win32Owners, FilesAndLibrariesCloseWhenTheirOwnersGo) {
    wchar_t directory[MAX_PATH + 1] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, directory), 0u);
    const std::wstring path = std::wstring(directory) + L"marlow-owner-test.tmp";
    {
        const UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        // Opened without sharing: a second open fails while the owner lives.
        const UniqueFileHandle second(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_FALSE(second);
    }
    {
        const UniqueFileHandle again(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_TRUE(again) << "closed with its owner";
    }
    EXPECT_TRUE(DeleteFileW(path.c_str()));

    {
        const UniqueModule module(LoadLibraryW(L"msimg32.dll"));
        ASSERT_TRUE(module);
        EXPECT_NE(nullptr, GetModuleHandleW(L"msimg32.dll"));
    }
    EXPECT_EQ(nullptr, GetModuleHandleW(L"msimg32.dll")) << "unloaded with its owner";
}

}  // namespace
}  // namespace marlow::test
