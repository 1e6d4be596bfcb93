// The class object of CLSID_OEMUI, which DllGetClassObject hands out.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow {

class PluginClassFactory final : public IClassFactory {
public:
    // Makes a factory (count 1), asks it for riid and drops the creation
    // reference, like PluginObject::Create.
    static HRESULT Create(REFIID riid, void** ppv);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid,
                                             void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) override;

private:
    PluginClassFactory() = default;
    ~PluginClassFactory() = default;
    PluginClassFactory(const PluginClassFactory&) = delete;
    PluginClassFactory& operator=(const PluginClassFactory&) = delete;

    LONG volatile refCount_ = 1;
};

}  // namespace marlow
