// One plug-in object as the driver's UI module drives it for a printer: the
// library loaded, the object created and handed the driver interface, the
// printer set up in the spooler with its PPD (which the host reads itself),
// and - per sheet - the host's records, on which CommonUIProp runs its
// counting and filling calls.
#pragma once

#include "host/host_sheet.h"
#include "host/plugin_library.h"
#include "host/printer_ppd.h"
#include "host/recording_driver_ui.h"
#include "host/spooler_printer.h"
#include "platform/com_ref.h"

#include <memory>
#include <string>

namespace marlow::host {

class PluginSession {
public:
    // Loads the plug-in and sets the printer up; see IsReady.
    PluginSession(const std::wstring& dllPath, const std::wstring& printerName,
                  const std::wstring& ppdPath);
    PluginSession(const PluginSession&) = delete;
    PluginSession& operator=(const PluginSession&) = delete;

    bool IsReady() const { return plugin_ && printer_.IsReady() && ppdRead_; }
    // What went wrong, when not ready.
    std::wstring Problem() const;

    IPrintOemUI2& Plugin() { return *plugin_.Get(); }
    // Lets the plug-in object go (before the library is unloaded by hand).
    void ReleasePlugin() { plugin_.Reset(); }
    RecordingDriverUI& DriverUI() { return driverUI_; }
    SpoolerPrinter& Printer() { return printer_; }
    PluginLibrary& Library() { return library_; }
    // The host's own reading of the PPD, from which it builds its items.
    const PrinterPpd& Ppd() const { return ppd_; }

    // The private section's defaults as the driver gets them: the size from
    // DevMode(OEMDM_SIZE), the bytes from DevMode(OEMDM_DEFAULT). Empty when
    // the plug-in refuses either.
    std::vector<unsigned char> GetPrivateDefaults();

    // A sheet with the items the driver builds from the PPD.
    std::unique_ptr<HostSheet> MakeDocumentSheet();
    std::unique_ptr<HostSheet> MakePrinterSheet();
    // A sheet with the given items, for this printer.
    std::unique_ptr<HostSheet> MakeSheet(DWORD mode, const std::vector<HostItemDescription>& items);
    // A document sheet whose private section holds these bytes (the
    // plug-in's section first; anything behind it is the host's).
    std::unique_ptr<HostSheet> MakeDocumentSheet(const std::vector<unsigned char>& privateSection);

    // The driver's two calls: counting, then filling. Returns what the
    // filling call returned (the counting call's result is checked too).
    HRESULT RunCommonUIProp(HostSheet& sheet);

private:
    PluginLibrary library_;
    RecordingDriverUI driverUI_;
    ComRef<IPrintOemUI2> plugin_;
    SpoolerPrinter printer_;
    PrinterPpd ppd_;
    bool ppdRead_ = false;
};

}  // namespace marlow::host
