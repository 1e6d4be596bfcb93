// The plug-in as the driver's UI module meets it on an installed printer:
// found through the driver's configuration file, loaded from the driver
// directory, its object created, handed the driver interface and asked what
// it is; the printer's PPD read by the host for its items.
#pragma once

#include "host/plugin_library.h"
#include "host/printer_ppd.h"
#include "host/recording_driver_ui.h"
#include "host/ui_module/document_settings.h"
#include "host/ui_module/plugin_configuration.h"
#include "platform/com_ref.h"

#include <memory>
#include <string>

namespace marlow::host {

class InstalledPlugin {
public:
    explicit InstalledPlugin(HANDLE hPrinter);
    InstalledPlugin(const InstalledPlugin&) = delete;
    InstalledPlugin& operator=(const InstalledPlugin&) = delete;

    bool IsReady() const { return problem_.empty() && plugin_; }
    const std::wstring& Problem() const { return problem_; }
    HANDLE Printer() const { return hPrinter_; }
    IPrintOemUI2& Plugin() { return *plugin_.Get(); }
    RecordingDriverUI& DriverUI() { return driverUI_; }
    HMODULE Module() const { return library_ ? library_->Module() : nullptr; }
    const PrinterPpd& Ppd() const { return ppd_; }
    const PluginConfiguration& Configuration() const { return configuration_; }

    // The defaults, with the settings an application stored merged in
    // (stored may be null).
    DocumentSettings MakeSettings(const std::wstring& printerName, const DEVMODEW* stored);

private:
    HANDLE hPrinter_;
    PluginConfiguration configuration_;
    std::unique_ptr<PluginLibrary> library_;
    RecordingDriverUI driverUI_;
    ComRef<IPrintOemUI2> plugin_;
    PrinterPpd ppd_;
    std::vector<unsigned char> privateDefaults_;
    std::wstring problem_;
};

}  // namespace marlow::host
