#include "host/ui_module/installed_plugin.h"

#include "host/driver_calls.h"

namespace marlow::host {

InstalledPlugin::InstalledPlugin(HANDLE hPrinter)
    : hPrinter_(hPrinter), configuration_(FindPluginConfiguration(hPrinter)) {
    if (!configuration_.problem.empty()) {
        problem_ = configuration_.problem;
        return;
    }
    // One user-interface plug-in is what this driver drives: the first.
    const std::wstring& path = configuration_.userInterfacePlugins.front();
    library_ = std::make_unique<PluginLibrary>(path);
    if (!library_->IsLoaded()) {
        problem_ = L"cannot load " + path + L" (error " + std::to_wstring(library_->LoadError()) + L")";
        return;
    }
    if (FAILED(library_->CreatePluginObject(plugin_.Put()))) {
        problem_ = L"the plug-in object could not be created";
        return;
    }
    static_cast<void>(plugin_->PublishDriverInterface(&driverUI_));
    privateDefaults_ = GetPrivateDefaults(*plugin_.Get(), hPrinter_);
    if (privateDefaults_.empty()) {
        problem_ = L"the plug-in gave no private section";
    } else if (!ReadPrinterPpd(configuration_.dataFile, ppd_)) {
        problem_ = L"cannot read the data file " + configuration_.dataFile;
    }
}

DocumentSettings InstalledPlugin::MakeSettings(const std::wstring& printerName, const DEVMODEW* stored) {
    DocumentSettings settings(printerName, privateDefaults_);
    if (plugin_) {
        static_cast<void>(settings.TakeStored(stored, *plugin_.Get(), hPrinter_));
    }
    return settings;
}

}  // namespace marlow::host
