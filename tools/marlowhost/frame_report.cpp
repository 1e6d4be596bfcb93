#include "frame_report.h"

#include "host/private_section_layout.h"
#include "host/recording_driver_ui.h"
#include "platform/com_ref.h"
#include "private_section_report.h"

#include <vector>

namespace marlow::host {
namespace {

// A section as a stored job might bring it: the plug-in's own defaults, then
// an older version of ours, a confidential job and access control on.
std::vector<unsigned char> MakeStoredSection(const std::vector<unsigned char>& defaults) {
    std::vector<unsigned char> record = defaults;
    WriteSectionU32(record.data(), FindSectionField("dwVersion")->offset, 1);
    record[FindSectionField("bSaveAccessControl")->offset] = 1;
    WriteSectionU32(record.data(), FindSectionField("dwReserveJobType")->offset, 4);
    WriteSectionText(record.data(), *FindSectionField("wszJobUserName"), L"anna");
    WriteSectionText(record.data(), *FindSectionField("wszJobName"), L"Quarterly");
    WriteSectionText(record.data(), *FindSectionField("wszJobPassword"), L"2468");
    WriteSectionText(record.data(), *FindSectionField("wszAccessUserName"), L"anna.berg");
    WriteSectionText(record.data(), *FindSectionField("wszAccessPassword"), L"s\u00e9same!");
    return record;
}

int Fail(const char* what, HRESULT hr) {
    std::fprintf(stderr, "marlowhost: %s failed (0x%08lX)\n", what, static_cast<unsigned long>(hr));
    return 1;
}

}  // namespace

int ReportPluginFrame(std::FILE* out, PluginLibrary& library) {
    RecordingDriverUI driverUI;
    ComRef<IPrintOemUI2> plugin;
    const HRESULT created = library.CreatePluginObject(plugin.Put());
    if (FAILED(created)) {
        return Fail("creating the plug-in object", created);
    }
    std::fprintf(out, "  class object        CLSID_OEMUI through IClassFactory\n");
    std::fprintf(out, "  plug-in object      IPrintOemUI2\n");

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
    PrintPrivateSection(out, working.data(), working.size());
    if (working.size() < 172) {
        return Fail("DevMode(OEMDM_SIZE) answered a section too small for its fields", E_FAIL);
    }

    std::vector<unsigned char> stored = MakeStoredSection(working);
    param.pOEMDMIn = stored.data();
    hr = plugin->DevMode(OEMDM_MERGE, &param);
    if (FAILED(hr)) {
        return Fail("DevMode(OEMDM_MERGE)", hr);
    }
    std::fprintf(out, "\nA stored version-1 section merged in (DevMode OEMDM_MERGE):\n");
    PrintPrivateSection(out, working.data(), working.size());

    plugin.Reset();
    std::fprintf(out, "\nplug-in released; DllCanUnloadNow: %s\n",
                library.CanUnloadNow() == S_OK ? "S_OK" : "S_FALSE");
    return 0;
}



}  // namespace marlow::host
