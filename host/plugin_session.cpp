#include "host/plugin_session.h"

#include "host/sheet_items.h"

#include <cstdio>

namespace marlow::host {

std::unique_ptr<PpdModel> ReadPpdFile(const std::wstring& path) {
    std::FILE* file = _wfopen(path.c_str(), L"r");
    if (file == nullptr) {
        return nullptr;
    }
    auto model = ReadPpdModel([](void* f) { return std::fgetc(static_cast<std::FILE*>(f)); }, file);
    std::fclose(file);
    return model;
}

PluginSession::PluginSession(const std::wstring& dllPath, const std::wstring& printerName,
                             const std::wstring& ppdPath)
    : library_(dllPath), printer_(printerName, ppdPath), model_(ReadPpdFile(ppdPath)) {
    if (library_.IsLoaded() && SUCCEEDED(library_.CreatePluginObject(&plugin_))) {
        plugin_->PublishDriverInterface(&driverUI_);
    }
}

PluginSession::~PluginSession() {
    if (plugin_ != nullptr) {
        plugin_->Release();
    }
}

std::wstring PluginSession::Problem() const {
    if (!library_.IsLoaded()) {
        return L"the plug-in did not load (error " + std::to_wstring(library_.LoadError()) + L")";
    }
    if (plugin_ == nullptr) {
        return L"the plug-in object could not be created";
    }
    if (!printer_.IsReady()) {
        return L"the printer could not be set up: " + printer_.Problem();
    }
    if (model_ == nullptr) {
        return L"the PPD file could not be read";
    }
    return std::wstring();
}

std::unique_ptr<HostSheet> PluginSession::MakeSheet(DWORD mode, const std::vector<HostItemSpec>& items) {
    auto sheet = std::make_unique<HostSheet>(mode, items, library_.Module());
    sheet->Param().hPrinter = printer_.Handle();
    return sheet;
}

std::unique_ptr<HostSheet> PluginSession::MakeDocumentSheet() {
    return MakeSheet(OEMCUIP_DOCPROP, BuildDocumentItemSpecs(*model_));
}

std::unique_ptr<HostSheet> PluginSession::MakePrinterSheet() {
    return MakeSheet(OEMCUIP_PRNPROP, BuildPrinterItemSpecs(*model_));
}

HRESULT PluginSession::RunCommonUIProp(HostSheet& sheet) {
    sheet.PrepareCountingCall();
    const HRESULT counted = plugin_->CommonUIProp(sheet.Mode(), &sheet.Param());
    sheet.PrepareFillingCall();
    const HRESULT filled = plugin_->CommonUIProp(sheet.Mode(), &sheet.Param());
    return FAILED(counted) ? counted : filled;
}

}  // namespace marlow::host
