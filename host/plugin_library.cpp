#include "host/plugin_library.h"

namespace marlow::host {
namespace {

template <typename Function>
Function LookUpExport(HMODULE hModule, const char* name) {
    // Through void*: a direct cast between function pointer types warns.
    void* address = reinterpret_cast<void*>(GetProcAddress(hModule, name));
    return reinterpret_cast<Function>(address);
}

}  // namespace

PluginLibrary::PluginLibrary(const std::wstring& path) {
    hModule_ = LoadLibraryW(path.c_str());
    if (hModule_ == nullptr) {
        loadError_ = GetLastError();
        return;
    }
    getClassObject_ = LookUpExport<GetClassObjectFn>(hModule_, "DllGetClassObject");
    canUnloadNow_ = LookUpExport<CanUnloadNowFn>(hModule_, "DllCanUnloadNow");
}

PluginLibrary::~PluginLibrary() { Unload(); }

void PluginLibrary::Unload() {
    if (hModule_ != nullptr) {
        FreeLibrary(hModule_);
        hModule_ = nullptr;
        getClassObject_ = nullptr;
        canUnloadNow_ = nullptr;
    }
}

HRESULT PluginLibrary::GetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) const {
    return getClassObject_ != nullptr ? getClassObject_(rclsid, riid, ppv) : E_FAIL;
}

HRESULT PluginLibrary::CanUnloadNow() const {
    return canUnloadNow_ != nullptr ? canUnloadNow_() : E_FAIL;
}

HRESULT PluginLibrary::CreatePluginObject(IPrintOemUI2** ppPlugin) const {
    *ppPlugin = nullptr;
    IClassFactory* factory = nullptr;
    HRESULT hr = GetClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (FAILED(hr)) {
        return hr;
    }
    hr = factory->CreateInstance(nullptr, IID_IPrintOemUI2, reinterpret_cast<void**>(ppPlugin));
    factory->Release();
    return hr;
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
