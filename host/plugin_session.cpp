#include "host/plugin_session.h"

#include "host/driver_calls.h"
#include "host/sheet_items.h"

namespace marlow::host {

PluginSession::PluginSession(const std::wstring& dllPath, const std::wstring& printerName,
                             const std::wstring& ppdPath)
    : library_(dllPath), printer_(printerName, ppdPath) {
    ppdRead_ = ReadPrinterPpd(ppdPath, ppd_);
    if (library_.IsLoaded() && SUCCEEDED(library_.CreatePluginObject(plugin_.Put()))) {
        static_cast<void>(plugin_->PublishDriverInterface(&driverUI_));
    }
}

std::wstring PluginSession::Problem() const {
    if (!library_.IsLoaded()) {
        return L"the plug-in did not load (error " + std::to_wstring(library_.LoadError()) + L")";
    }
    if (!plugin_) {
        return L"the plug-in object could not be created";
    }
    if (!printer_.IsReady()) {
        return L"the printer could not be set up: " + printer_.Problem();
    }
    if (!ppdRead_) {
        return L"the PPD file could not be read";
    }
    return std::wstring();
}

std::vector<unsigned char> PluginSession::GetPrivateDefaults() {
    return plugin_ ? host::GetPrivateDefaults(*plugin_.Get()) : std::vector<unsigned char>();
}

std::unique_ptr<HostSheet> PluginSession::MakeSheet(DWORD mode,
                                                    const std::vector<HostItemDescription>& items) {
    auto sheet = std::make_unique<HostSheet>(mode, items, library_.Module(), GetPrivateDefaults());
    sheet->Param().hPrinter = printer_.Handle();
    return sheet;
}

std::unique_ptr<HostSheet> PluginSession::MakeDocumentSheet(const std::vector<unsigned char>& privateSection) {
    auto sheet = std::make_unique<HostSheet>(OEMCUIP_DOCPROP, BuildDocumentItemDescriptions(ppd_),
                                             library_.Module(), privateSection);
    sheet->Param().hPrinter = printer_.Handle();
    return sheet;
}

std::unique_ptr<HostSheet> PluginSession::MakeDocumentSheet() {
    return MakeSheet(OEMCUIP_DOCPROP, BuildDocumentItemDescriptions(ppd_));
}

std::unique_ptr<HostSheet> PluginSession::MakePrinterSheet() {
    return MakeSheet(OEMCUIP_PRNPROP, BuildPrinterItemDescriptions(ppd_));
}

HRESULT PluginSession::RunCommonUIProp(HostSheet& sheet) {
    return host::RunCommonUIProp(*plugin_.Get(), sheet);
}

}  // namespace marlow::host
