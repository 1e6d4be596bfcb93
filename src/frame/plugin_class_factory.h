// The class object of CLSID_OEMUI, which DllGetClassObject hands out.
#pragma once

#include "platform/com_object.h"

namespace marlow {

class PluginClassFactory final : public ComObject<PluginClassFactory, IClassFactory> {
public:
    static bool ServesInterface(REFIID riid) noexcept { return IsEqualIID(riid, IID_IClassFactory) != 0; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid,
                                             void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) override;

private:
    friend ComObject;
    PluginClassFactory() noexcept = default;
    ~PluginClassFactory() = default;
};

}  // namespace marlow
