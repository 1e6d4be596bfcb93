// The one implementation of IUnknown for our COM objects: QueryInterface for
// IUnknown and the interfaces the object says it serves, and an interlocked
// reference count that starts at 1.
//
//   class Factory final : public ComObject<Factory, IClassFactory, HeapObject> {
//       static bool ServesInterface(REFIID riid) noexcept;   // besides IUnknown
//       ...
//   };
//
// The lifetime policy says what happens around the object's life:
//   static constexpr bool kDeleteAtZero;   whether the last Release deletes it
//   static void Created() noexcept;        when an object has been made
//   static void Destroyed() noexcept;      when one has been deleted
// HeapObject deletes the object; CallerOwnedObject leaves it to its owner (an
// object on the stack that only counts, as the host's stand-ins do). Derived
// classes that keep their constructor and destructor private name the base a
// friend.
#pragma once

#include "platform/windows_sdk.h"

#include <new>

namespace marlow {

struct HeapObject {
    static constexpr bool kDeleteAtZero = true;
    static void Created() noexcept {}
    static void Destroyed() noexcept {}
};

struct CallerOwnedObject {
    static constexpr bool kDeleteAtZero = false;
    static void Created() noexcept {}
    static void Destroyed() noexcept {}
};

template <typename Derived, typename Interface, typename Lifetime = HeapObject>
class ComObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (ppv == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(riid, IID_IUnknown) || Derived::ServesInterface(riid)) {
            *ppv = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }

    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&refCount_));
    }

    ULONG STDMETHODCALLTYPE Release() override {
        const LONG remaining = InterlockedDecrement(&refCount_);
        if (remaining == 0) {
            if constexpr (Lifetime::kDeleteAtZero) {
                delete static_cast<Derived*>(this);
                Lifetime::Destroyed();
            }
            return 0;
        }
        return static_cast<ULONG>(remaining);
    }

    // Makes an object on the heap (count 1), asks it for riid and drops the
    // creation reference: for a served interface the caller then holds the
    // only reference, otherwise the object is gone and *ppv is null.
    // E_OUTOFMEMORY, with *ppv null, when no object can be made.
    template <typename... Args>
    [[nodiscard]] static HRESULT CreateForInterface(REFIID riid, void** ppv, Args&&... args) noexcept {
        Derived* object = new (std::nothrow) Derived(static_cast<Args&&>(args)...);
        if (object == nullptr) {
            if (ppv != nullptr) {
                *ppv = nullptr;
            }
            return E_OUTOFMEMORY;
        }
        const HRESULT hr = object->QueryInterface(riid, ppv);
        object->Release();
        return hr;
    }

protected:
    ComObject() noexcept { Lifetime::Created(); }
    ~ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    // The current count, for objects that let a test see it.
    LONG ReferenceCount() const noexcept { return refCount_; }

private:
    LONG volatile refCount_ = 1;
};

}  // namespace marlow
