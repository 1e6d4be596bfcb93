// The library's entry point and its two exports (named in marlowui.def, so
// that the 32-bit build exports them undecorated).
#include "core/boundary_guard.h"
#include "core/module_instance.h"
#include "core/page_activation_context.h"
#include "frame/object_counts.h"
#include "frame/plugin_class_factory.h"
#include "platform/oem_interfaces.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        marlow::SetModuleInstance(hInstance);
        break;
    case DLL_PROCESS_DETACH:
        marlow::ReleasePageActivationContext();
        break;
    default:
        break;
    }
    return TRUE;
}

// On every failure the out-pointer, when there is one, is null: the caller
// may release whatever it finds there.
STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
    if (!IsEqualCLSID(rclsid, CLSID_OEMUI)) {
        if (ppv != nullptr) {
            *ppv = nullptr;
        }
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    const HRESULT hr =
        marlow::CallGuardedHr([&] { return marlow::PluginClassFactory::CreateForInterface(riid, ppv); });
    if (FAILED(hr) && ppv != nullptr) {
        *ppv = nullptr;
    }
    return hr;
}

STDAPI DllCanUnloadNow() { return marlow::IsModuleInUse() ? S_FALSE : S_OK; }
