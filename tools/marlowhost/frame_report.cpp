#include "frame_report.h"

#include "host/recording_driver_ui.h"
#include "private_section_report.h"

#include "devmode/private_devmode.h"

#include <memory>
#include <vector>

namespace marlow::host {
namespace {

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

}  // namespace

int ReportPluginFrame(std::FILE* out, PluginLibrary& library) {
    IPrintOemUI2* raw = nullptr;
    const HRESULT created = library.CreatePluginObject(&raw);
    if (FAILED(created)) {
        return Fail("creating the plug-in object", created);
    }
    PluginRef plugin(raw);
    std::fprintf(out, "  class object        CLSID_OEMUI through IClassFactory\n");
    std::fprintf(out, "  plug-in object      IPrintOemUI2\n");

    RecordingDriverUI driverUI;
    const HRESULT published = plugin->PublishDriverInterface(&driverUI);
    std::fprintf(out, "  driver interface    %s\n",
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
    std::fprintf(out, "  signature           '%c%c%c%c' (0x%08lX)\n", static_cast<char>(signature >> 24),
                static_cast<char>(signature >> 16), static_cast<char>(signature >> 8),
                static_cast<char>(signature), static_cast<unsigned long>(signature));
    std::fprintf(out, "  version             %lu\n", static_cast<unsigned long>(version));

    OEMDMPARAM param = {};
    param.cbSize = sizeof(param);
    hr = plugin->DevMode(OEMDM_SIZE, &param);
    if (FAILED(hr)) {
        return Fail("DevMode(OEMDM_SIZE)", hr);
    }
    std::fprintf(out, "  private section     %lu bytes\n", static_cast<unsigned long>(param.cbBufSize));

    std::vector<unsigned char> working(param.cbBufSize, 0);
    param.pOEMDMOut = working.data();
    hr = plugin->DevMode(OEMDM_DEFAULT, &param);
    if (FAILED(hr)) {
        return Fail("DevMode(OEMDM_DEFAULT)", hr);
    }
    std::fprintf(out, "\nDefaults (DevMode OEMDM_DEFAULT):\n");
    PrintPrivateSection(out, working.data());

    std::vector<unsigned char> stored = MakeStoredSection();
    param.pOEMDMIn = stored.data();
    hr = plugin->DevMode(OEMDM_MERGE, &param);
    if (FAILED(hr)) {
        return Fail("DevMode(OEMDM_MERGE)", hr);
    }
    std::fprintf(out, "\nA stored version-1 section merged in (DevMode OEMDM_MERGE):\n");
    PrintPrivateSection(out, working.data());

    plugin.reset();
    std::fprintf(out, "\nplug-in released; DllCanUnloadNow: %s\n",
                library.CanUnloadNow() == S_OK ? "S_OK" : "S_FALSE");
    return 0;
}



}  // namespace marlow::host
