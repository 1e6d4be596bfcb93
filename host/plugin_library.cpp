#include "host/plugin_library.h"

#include "platform/com_ref.h"

namespace marlow::host {
namespace {

template <typename Function>
Function LookUpExport(HMODULE hModule, const char* name) {
    // Through void*: a direct cast between function pointer types warns.
    void* address = reinterpret_cast<void*>(GetProcAddress(hModule, name));
    return reinterpret_cast<Function>(address);
}

}  // namespace

PluginLibrary::PluginLibrary(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {
    if (!module_) {
        loadError_ = GetLastError();
        return;
    }
    getClassObject_ = LookUpExport<GetClassObjectFn>(module_.Get(), "DllGetClassObject");
    canUnloadNow_ = LookUpExport<CanUnloadNowFn>(module_.Get(), "DllCanUnloadNow");
}

void PluginLibrary::Unload() {
    getClassObject_ = nullptr;
    canUnloadNow_ = nullptr;
    module_.Reset();
}

HRESULT PluginLibrary::GetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) const {
    return getClassObject_ != nullptr ? getClassObject_(rclsid, riid, ppv) : E_FAIL;
}

HRESULT PluginLibrary::CanUnloadNow() const {
    return canUnloadNow_ != nullptr ? canUnloadNow_() : E_FAIL;
}

HRESULT PluginLibrary::CreatePluginObject(IPrintOemUI2** ppPlugin) const {
    *ppPlugin = nullptr;
    ComRef<IClassFactory> factory;
    const HRESULT hr = GetClassObject(CLSID_OEMUI, IID_IClassFactory, factory.PutVoid());
    if (FAILED(hr)) {
        static_cast<void>(factory.Detach());  // a failed call hands out nothing
        return hr;
    }
    return factory->CreateInstance(nullptr, IID_IPrintOemUI2, reinterpret_cast<void**>(ppPlugin));
}

std::wstring GetProgramDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::wstring();
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace marlow::host
