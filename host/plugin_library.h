// Loads a plug-in library the way the driver's UI module does: by path, then
// its class object for CLSID_OEMUI, then a plug-in object asked for
// IPrintOemUI2.
#pragma once

#include "platform/oem_interfaces.h"

#include <string>

namespace marlow::host {

class PluginLibrary {
public:
    explicit PluginLibrary(const std::wstring& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool IsLoaded() const { return hModule_ != nullptr; }
    HMODULE Module() const { return hModule_; }
    // The last error of a failed load, 0 otherwise.
    DWORD LoadError() const { return loadError_; }

    // The two exports, looked up by their plain names; E_FAIL when missing.
    HRESULT GetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) const;
    HRESULT CanUnloadNow() const;

    // DllGetClassObject(CLSID_OEMUI, IID_IClassFactory), CreateInstance for
    // IPrintOemUI2. The caller owns the reference (null on failure).
    HRESULT CreatePluginObject(IPrintOemUI2** ppPlugin) const;

    // Releases the library now (the destructor does it otherwise).
    void Unload();

private:
    using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, LPVOID*);
    using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

    HMODULE hModule_ = nullptr;
    DWORD loadError_ = 0;
    GetClassObjectFn getClassObject_ = nullptr;
    CanUnloadNowFn canUnloadNow_ = nullptr;
};

// The directory of the running program, with a trailing backslash.
std::wstring GetProgramDirectory();

}  // namespace marlow::host
