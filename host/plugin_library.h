// Loads a plug-in library the way the driver's UI module does: by path, then
// its class object for CLSID_OEMUI, then a plug-in object asked for
// IPrintOemUI2.
#pragma once

#include "platform/oem_interfaces.h"
#include "platform/win32_handles.h"

#include <string>

namespace marlow::host {

class PluginLibrary {
public:
    explicit PluginLibrary(const std::wstring& path);

    bool IsLoaded() const { return module_.IsValid(); }
    HMODULE Module() const { return module_.Get(); }
    // The last error of a failed load, 0 otherwise.
    DWORD LoadError() const { return loadError_; }

    // The two exports, looked up by their plain names; E_FAIL when missing.
    [[nodiscard]] HRESULT GetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) const;
    [[nodiscard]] HRESULT CanUnloadNow() const;

    // DllGetClassObject(CLSID_OEMUI, IID_IClassFactory), CreateInstance for
    // IPrintOemUI2. The caller owns the reference (null on failure).
    [[nodiscard]] HRESULT CreatePluginObject(IPrintOemUI2** ppPlugin) const;

    // Releases the library now (the destructor does it otherwise).
    void Unload();

private:
    using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, LPVOID*);
    using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

    UniqueModule module_;
    DWORD loadError_ = 0;
    GetClassObjectFn getClassObject_ = nullptr;
    CanUnloadNowFn canUnloadNow_ = nullptr;
};

// The directory of the running program, with a trailing backslash.
std::wstring GetProgramDirectory();

}  // namespace marlow::host
