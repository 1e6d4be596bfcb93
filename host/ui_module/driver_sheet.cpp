#include "host/ui_module/driver_sheet.h"

#include "host/driver_calls.h"
#include "host/property_sheet_param.h"
#include "host/sheet_items.h"
#include "host/ui_module/output_buffer_size.h"
#include "platform/property_sheet.h"

#include <cstring>

namespace marlow::host {
namespace {

LONG CALLBACK ServePluginSheet(PPROPSHEETUI_INFO info, LPARAM lParam) {
    if (info == nullptr || info->lParamInit == 0) {
        return -1;
    }
    auto* param = reinterpret_cast<PluginSheetParam*>(info->lParamInit);
    const HRESULT hr = param->sheet->ForwardToPlugin(info, lParam);
    if (FAILED(hr) && !param->sheet->IsDocumentSheet()) {
        // No printer pages of the plug-in's: the sheet keeps the driver's.
        info->Result = info->Reason == PROPSHEETUI_REASON_INIT ? CPSUI_CANCEL : CPSUI_OK;
        return 1;
    }
    return SUCCEEDED(hr) ? 1 : -1;
}

std::wstring NameOf(const wchar_t* printerName) { return printerName != nullptr ? printerName : L""; }

}  // namespace

DriverSheet::DriverSheet(const DOCUMENTPROPERTYHEADER& header)
    : documentHeader_(&header), printerName_(NameOf(header.pszPrinterName)), plugin_(header.hPrinter) {
    Start(OEMCUIP_DOCPROP, header.hPrinter, header.pszPrinterName);
}

DriverSheet::DriverSheet(const DEVICEPROPERTYHEADER& header)
    : printerName_(NameOf(header.pszPrinterName)), plugin_(header.hPrinter) {
    Start(OEMCUIP_PRNPROP, header.hPrinter, header.pszPrinterName);
}

void DriverSheet::Start(DWORD mode, HANDLE hPrinter, const wchar_t*) {
    if (!plugin_.IsReady()) {
        return;
    }
    std::vector<unsigned char> privateSection;
    if (mode == OEMCUIP_DOCPROP) {
        const bool bStored = (documentHeader_->fMode & DM_IN_BUFFER) != 0;
        settings_ = std::make_unique<DocumentSettings>(
            plugin_.MakeSettings(printerName_, bStored ? documentHeader_->pdmIn : nullptr));
        privateSection = settings_->Private();
    }
    sheet_ = std::make_unique<HostSheet>(
        mode, mode == OEMCUIP_DOCPROP ? BuildDocumentItemDescriptions(plugin_.Ppd()) : BuildPrinterItemDescriptions(plugin_.Ppd()),
        plugin_.Module(), privateSection);
    sheet_->Param().hPrinter = hPrinter;
    sheet_->Param().pPrinterName = printerName_.data();
    if (settings_) {
        ShowPublicChoices();
    }
    static_cast<void>(RunCommonUIProp(plugin_.Plugin(), *sheet_));
    itemsPage_ = std::make_unique<DriverItemsPage>(*sheet_, plugin_.DriverUI());
    itemsPageRecord_ = itemsPage_->Describe();

    pluginParam_.param = MakePropertySheetParam(sheet_->Param());
    pluginParam_.sheet = this;
}

// The sheet's items show the settings it starts from.
void DriverSheet::ShowPublicChoices() {
    DEVMODEW& shown = sheet_->PublicDevmode();
    const WORD extra = shown.dmDriverExtra;
    std::memcpy(&shown, &settings_->Public(), sizeof(DEVMODEW));
    shown.dmDriverExtra = extra;
    if (OPTITEM* orientation = sheet_->Items().FindByDmPubId(DMPUB_ORIENTATION)) {
        orientation->Sel = shown.dmOrientation == DMORIENT_LANDSCAPE ? 1 : 0;
    }
    if (OPTITEM* colour = sheet_->Items().FindByDmPubId(DMPUB_COLOR)) {
        colour->Sel = shown.dmColor == DMCOLOR_MONOCHROME ? 0 : 1;
    }
}

// The other way: the items' choices and what the plug-in wrote go into the
// settings.
void DriverSheet::TakeItemChoices() {
    DEVMODEW& settings = settings_->Public();
    const DEVMODEW& shown = sheet_->PublicDevmode();
    settings.dmDuplex = shown.dmDuplex;
    if (const OPTITEM* orientation = sheet_->Items().FindByDmPubId(DMPUB_ORIENTATION)) {
        settings.dmOrientation = orientation->Sel == 0 ? DMORIENT_PORTRAIT : DMORIENT_LANDSCAPE;
    }
    if (const OPTITEM* colour = sheet_->Items().FindByDmPubId(DMPUB_COLOR)) {
        settings.dmColor = colour->Sel == 0 ? DMCOLOR_MONOCHROME : DMCOLOR_COLOR;
    }
    std::vector<unsigned char>& section = settings_->Private();
    std::memcpy(section.data(), sheet_->PrivateSection(), section.size());
}

bool DriverSheet::AddPages(PPROPSHEETUI_INFO info) {
    if (!IsReady() || info->pfnComPropSheet == nullptr) {
        return false;
    }
    const LONG_PTR page = info->pfnComPropSheet(info->hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW,
                                                reinterpret_cast<LPARAM>(&itemsPageRecord_), 0);
    const LONG_PTR plugin = info->pfnComPropSheet(
        info->hComPropSheet, CPSFUNC_ADD_PFNPROPSHEETUIW,
        reinterpret_cast<LPARAM>(static_cast<PFNPROPSHEETUI_STDCALL>(ServePluginSheet)),
        reinterpret_cast<LPARAM>(&pluginParam_));
    return page != 0 || plugin != 0;
}

HRESULT DriverSheet::ForwardToPlugin(PPROPSHEETUI_INFO info, LPARAM lParam) {
    if (!IsReady()) {
        return E_FAIL;
    }
    return IsDocumentSheet() ? plugin_.Plugin().DocumentPropertySheets(info, lParam)
                             : plugin_.Plugin().DevicePropertySheets(info, lParam);
}

bool DriverSheet::WasApplied() const {
    if (!itemsPage_) return false;
    for (const ItemCallbackCall& call : itemsPage_->CallbackCalls()) {
        if (call.reason == CPSUICB_REASON_APPLYNOW) return true;
    }
    return false;
}

bool DriverSheet::Commit() {
    if (!IsDocumentSheet() || !settings_) {
        return true;
    }
    TakeItemChoices();
    if ((documentHeader_->fMode & DM_OUT_BUFFER) == 0 || documentHeader_->pdmOut == nullptr) {
        return true;
    }
    return settings_->WriteTo(documentHeader_->pdmOut, GetOutputBufferSize(*documentHeader_, settings_->Size()));
}

}  // namespace marlow::host
