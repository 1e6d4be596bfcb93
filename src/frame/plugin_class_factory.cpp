#include "frame/plugin_class_factory.h"

#include "core/boundary_guard.h"
#include "frame/object_counts.h"
#include "frame/plugin_object.h"

namespace marlow {

HRESULT PluginClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) {
    if (pUnkOuter != nullptr) {
        if (ppv != nullptr) {
            *ppv = nullptr;
        }
        return CLASS_E_NOAGGREGATION;
    }
    return CallGuardedHr([&] { return PluginObject::CreateForInterface(riid, ppv); });
}

HRESULT PluginClassFactory::LockServer(BOOL fLock) {
    LockServerCount(fLock != FALSE);
    return S_OK;
}

}  // namespace marlow
