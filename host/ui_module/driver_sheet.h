// One property sheet of the driver's, as compstui runs it through the
// module's DrvDocumentPropertySheets or DrvDevicePropertySheets: the host's
// item page first, then the plug-in's pages through a sheet function of its
// own (CPSFUNC_ADD_PFNPROPSHEETUIW) that hands each request to the plug-in
// with the OEMUIPSPARAM as lParamInit. When the user closes a document sheet
// with OK, the settings go to the application's output buffer.
#pragma once

#include "host/driver_items_page.h"
#include "host/host_sheet.h"
#include "host/ui_module/driver_entry_records.h"
#include "host/ui_module/installed_plugin.h"

#include <memory>
#include <string>

namespace marlow::host {

class DriverSheet;

// lParamInit of the plug-in's sheet function: the record the plug-in reads,
// and the sheet it belongs to.
struct PluginSheetParam {
    OEMUIPSPARAM param;
    DriverSheet* sheet;
};

class DriverSheet {
public:
    // A document sheet for this header's printer and settings.
    explicit DriverSheet(const DOCUMENTPROPERTYHEADER& header);
    // A printer sheet.
    explicit DriverSheet(const DEVICEPROPERTYHEADER& header);
    DriverSheet(const DriverSheet&) = delete;
    DriverSheet& operator=(const DriverSheet&) = delete;

    bool IsReady() const { return plugin_.IsReady(); }
    bool IsDocumentSheet() const { return documentHeader_ != nullptr; }

    // PROPSHEETUI_REASON_INIT: adds the pages; false when nothing could be added.
    [[nodiscard]] bool AddPages(PPROPSHEETUI_INFO info);
    // The plug-in's answer to one request of its sheet function.
    HRESULT ForwardToPlugin(PPROPSHEETUI_INFO info, LPARAM lParam);
    // Whether the sheet applied (the user's OK or Apply): the items page
    // then reports the apply to the plug-in's item callback.
    bool WasApplied() const;
    // The user's OK: the sheet's choices go into the settings and, when the
    // application asked for them, into its buffer. False when the buffer
    // is too small (nothing is written then).
    [[nodiscard]] bool Commit();

private:
    void Start(DWORD mode, HANDLE hPrinter, const wchar_t* printerName);
    void ShowPublicChoices();
    void TakeItemChoices();

    const DOCUMENTPROPERTYHEADER* documentHeader_ = nullptr;
    std::wstring printerName_;
    InstalledPlugin plugin_;
    std::unique_ptr<DocumentSettings> settings_;
    std::unique_ptr<HostSheet> sheet_;
    std::unique_ptr<DriverItemsPage> itemsPage_;
    PROPSHEETPAGEW itemsPageRecord_ = {};
    PluginSheetParam pluginParam_ = {};
};

}  // namespace marlow::host
