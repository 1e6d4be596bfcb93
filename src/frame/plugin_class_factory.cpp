#include "frame/plugin_class_factory.h"

#include "frame/boundary_guard.h"
#include "frame/module_state.h"
#include "frame/plugin_object.h"

#include <new>

namespace marlow {

HRESULT PluginClassFactory::Create(REFIID riid, void** ppv) {
    auto* factory = new (std::nothrow) PluginClassFactory();
    if (factory == nullptr) {
        if (ppv != nullptr) {
            *ppv = nullptr;
        }
        return E_OUTOFMEMORY;
    }
    const HRESULT hr = factory->QueryInterface(riid, ppv);
    factory->Release();
    return hr;
}

HRESULT PluginClassFactory::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG PluginClassFactory::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refCount_)); }

ULONG PluginClassFactory::Release() {
    const LONG remaining = InterlockedDecrement(&refCount_);
    if (remaining == 0) {
        delete this;
        return 0;
    }
    return static_cast<ULONG>(remaining);
}

HRESULT PluginClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) {
    if (pUnkOuter != nullptr) {
        if (ppv != nullptr) {
            *ppv = nullptr;
        }
        return CLASS_E_NOAGGREGATION;
    }
    return CallGuardedHr([&] { return PluginObject::Create(riid, ppv); });
}

HRESULT PluginClassFactory::LockServer(BOOL fLock) {
    LockServerCount(fLock != FALSE);
    return S_OK;
}

}  // namespace marlow
