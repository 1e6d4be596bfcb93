// marlowhost: plays the driver's UI module against a built marlowui.dll and
// reports what the plug-in answers.
//
//   marlowhost [PATH-TO-marlowui.dll]
//
// Without a path it loads the marlowui.dll beside itself.
#include "host/plugin_library.h"
#include "host/recording_driver_ui.h"
#include "private_section_report.h"

#include "frame/private_devmode.h"

#include <shellapi.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <memory>
#include <string>
#include <vector>

namespace marlow::host {
namespace {

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) {
        return std::string();
    }
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &utf8[0], length,
                        nullptr, nullptr);
    return utf8;
}

std::vector<std::wstring> GetArguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; argv != nullptr && i < count; ++i) {
        arguments.emplace_back(argv[i]);
    }
    LocalFree(argv);
    return arguments;
}

struct PluginReleaser {
    void operator()(IPrintOemUI2* plugin) const { plugin->Release(); }
};
using PluginRef = std::unique_ptr<IPrintOemUI2, PluginReleaser>;

void WriteText(std::vector<unsigned char>& record, std::size_t offset, const wchar_t* text) {
    for (std::size_t i = 0;; ++i) {
        record[offset + 2 * i] = static_cast<unsigned char>(text[i] & 0xFF);
        record[offset + 2 * i + 1] = static_cast<unsigned char>((text[i] >> 8) & 0xFF);
        if (text[i] == L'\0') {
            break;
        }
    }
}

// A section as a stored job might bring it: an older version of ours, a
// confidential job and access control on.
std::vector<unsigned char> MakeStoredSection() {
    std::vector<unsigned char> record(PRIVATE_DEVMODE_SIZE, 0);
    SetPrivateDevmodeDefaults(record.data());
    WritePrivateDevmodeU32(record.data(), offsetof(PrivateDevmode, dwVersion), 1);
    record[offsetof(PrivateDevmode, bSaveAccessControl)] = 1;
    WritePrivateDevmodeU32(record.data(), offsetof(PrivateDevmode, dwReserveJobType),
                           RESERVE_JOB_CONFIDENTIAL);
    WriteText(record, offsetof(PrivateDevmode, wszJobUserName), L"anna");
    WriteText(record, offsetof(PrivateDevmode, wszJobName), L"Quarterly");
    WriteText(record, offsetof(PrivateDevmode, wszJobPassword), L"2468");
    WriteText(record, offsetof(PrivateDevmode, wszAccessUserName), L"anna.berg");
    WriteText(record, offsetof(PrivateDevmode, wszAccessPassword), L"s\u00e9same!");
    return record;
}

int Fail(const char* what, HRESULT hr) {
    std::fprintf(stderr, "marlowhost: %s failed (0x%08lX)\n", what, static_cast<unsigned long>(hr));
    return 1;
}

int RunHost(const std::wstring& dllPath) {
    std::printf("marlowui plug-in: %s\n", ToUtf8(dllPath).c_str());
    PluginLibrary library(dllPath);
    if (!library.IsLoaded()) {
        std::fprintf(stderr, "marlowhost: cannot load %s (error %lu)\n", ToUtf8(dllPath).c_str(),
                     library.LoadError());
        return 2;
    }

    IPrintOemUI2* raw = nullptr;
    const HRESULT created = library.CreatePluginObject(&raw);
    if (FAILED(created)) {
        return Fail("creating the plug-in object", created);
    }
    PluginRef plugin(raw);
    std::printf("  class object        CLSID_OEMUI through IClassFactory\n");
    std::printf("  plug-in object      IPrintOemUI2\n");

    RecordingDriverUI driverUI;
    const HRESULT published = plugin->PublishDriverInterface(&driverUI);
    std::printf("  driver interface    %s\n",
                SUCCEEDED(published) ? "IPrintOemDriverUI accepted" : "refused");

    DWORD signature = 0, version = 0, needed = 0;
    HRESULT hr = plugin->GetInfo(OEMGI_GETSIGNATURE, &signature, sizeof(signature), &needed);
    if (FAILED(hr)) {
        return Fail("GetInfo(OEMGI_GETSIGNATURE)", hr);
    }
    hr = plugin->GetInfo(OEMGI_GETVERSION, &version, sizeof(version), &needed);
    if (FAILED(hr)) {
        return Fail("GetInfo(OEMGI_GETVERSION)", hr);
    }
    std::printf("  signature           '%c%c%c%c' (0x%08lX)\n", static_cast<char>(signature >> 24),
                static_cast<char>(signature >> 16), static_cast<char>(signature >> 8),
                static_cast<char>(signature), static_cast<unsigned long>(signature));
    std::printf("  version             %lu\n", static_cast<unsigned long>(version));

    OEMDMPARAM param = {};
    param.cbSize = sizeof(param);
    hr = plugin->DevMode(OEMDM_SIZE, &param);
    if (FAILED(hr)) {
        return Fail("DevMode(OEMDM_SIZE)", hr);
    }
    std::printf("  private section     %lu bytes\n", static_cast<unsigned long>(param.cbBufSize));

    std::vector<unsigned char> working(param.cbBufSize, 0);
    param.pOEMDMOut = working.data();
    hr = plugin->DevMode(OEMDM_DEFAULT, &param);
    if (FAILED(hr)) {
        return Fail("DevMode(OEMDM_DEFAULT)", hr);
    }
    std::printf("\nDefaults (DevMode OEMDM_DEFAULT):\n");
    PrintPrivateSection(stdout, working.data());

    std::vector<unsigned char> stored = MakeStoredSection();
    param.pOEMDMIn = stored.data();
    hr = plugin->DevMode(OEMDM_MERGE, &param);
    if (FAILED(hr)) {
        return Fail("DevMode(OEMDM_MERGE)", hr);
    }
    std::printf("\nA stored version-1 section merged in (DevMode OEMDM_MERGE):\n");
    PrintPrivateSection(stdout, working.data());

    plugin.reset();
    std::printf("\nplug-in released; DllCanUnloadNow: %s\n",
                library.CanUnloadNow() == S_OK ? "S_OK" : "S_FALSE");
    return 0;
}

}  // namespace
}  // namespace marlow::host

int main() {
    // Bytes out as they are: the same report on every platform.
    _setmode(_fileno(stdout), _O_BINARY);
    const std::vector<std::wstring> arguments = marlow::host::GetArguments();
    const std::wstring dllPath = arguments.empty()
                                     ? marlow::host::GetProgramDirectory() + L"marlowui.dll"
                                     : arguments[0];
    return marlow::host::RunHost(dllPath);
}
