// The library's entry point and its two exports (named in marlowui.def, so
// that the 32-bit build exports them undecorated).
#include "driverui/page_activation_context.h"
#include "frame/boundary_guard.h"
#include "frame/module_state.h"
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

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
    if (!IsEqualCLSID(rclsid, CLSID_OEMUI)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return marlow::CallGuardedHr([&] { return marlow::PluginClassFactory::Create(riid, ppv); });
}

STDAPI DllCanUnloadNow() { return marlow::IsModuleInUse() ? S_FALSE : S_OK; }
