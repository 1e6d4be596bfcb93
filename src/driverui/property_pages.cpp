#include "driverui/property_pages.h"

#include "core/module_instance.h"
#include "core/page_activation_context.h"
#include "core/resource_string.h"
#include "pages/job/job_settings_page.h"
#include "pages/layout/layout_page.h"
#include "platform/property_sheet.h"
#include "res/resource_ids.h"

namespace marlow {
namespace {

constexpr WORD kPropSheetUiInfoVersion = 0x0100;

// The sheet's own title, which the host asks for; ours is a fixed text.
constexpr WCHAR kInfoHeaderTitle[] = L"OEM UI Page";

struct PageDescription {
    WORD templateId;
    UINT titleId;
    DLGPROC pfnDlgProc;
};

constexpr PageDescription kLayoutPage = {IDD_LAYOUT, IDS_LAYOUT_PAGE_TITLE, LayoutPageProc};
constexpr PageDescription kJobSettingsPage = {IDD_JOB_SETTINGS, IDS_JOB_PAGE_TITLE,
                                              JobSettingsDlgProc};

// Fills the page record - of the layout the platform generation we build for
// knows - and hands it to the host; returns what the host returned.
HANDLE AddPage(PluginContext& context, const PROPSHEETUI_INFO& info, const PageDescription& page) {
    MARLOW_PROPSHEETPAGEW record = {};
    record.dwSize = sizeof(record);
    record.dwFlags = PSP_USETITLE;
    if (const OEMCUIPPARAM* param = context.pOemCuiParam) {
        // The title stays in the host's heap: the plug-in never frees it.
        record.pszTitle = LoadResourceString(static_cast<HMODULE>(param->hModule),
                                             param->hOEMHeap, page.titleId)
                              .Release();
    }
    record.hInstance = GetModuleInstance();
    record.pszTemplate = MAKEINTRESOURCEW(page.templateId);
    record.pfnDlgProc = page.pfnDlgProc;
    record.hActCtx = GetPageActivationContext();
    if (record.hActCtx != nullptr && record.hActCtx != INVALID_HANDLE_VALUE) {
        record.dwFlags |= PSP_USEFUSIONCONTEXT;
    }
    context.hComPropSheet = info.hComPropSheet;
    context.pfnComPropSheet = info.pfnComPropSheet;
    record.lParam = reinterpret_cast<LPARAM>(&context);
    if (info.pfnComPropSheet == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<HANDLE>(info.pfnComPropSheet(
        info.hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW, reinterpret_cast<LPARAM>(&record), 0));
}

// The Layout page (left out on legacy platforms), then the Extended Settings
// page, then the host is asked to start at its second standard page.
void AddPages(PluginContext& context, const PROPSHEETUI_INFO& info) {
    if (!context.bLegacyPlatform) {
        context.hLayoutPage = AddPage(context, info, kLayoutPage);
    }
    context.hJobSettingsPage = AddPage(context, info, kJobSettingsPage);
    if (info.pfnComPropSheet != nullptr) {
        static_cast<void>(
            info.pfnComPropSheet(info.hComPropSheet, CPSFUNC_SET_HSTARTPAGE, 0, SSP_STDPAGE2));
    }
}

}  // namespace

HRESULT AnswerDocumentSheetRequest(PluginContext& context, PPROPSHEETUI_INFO pPSUIInfo,
                                   LPARAM lParam) {
    if (pPSUIInfo == nullptr || pPSUIInfo->Version != kPropSheetUiInfoVersion) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    ULONG_PTR result = 0;
    switch (pPSUIInfo->Reason) {
    case PROPSHEETUI_REASON_INIT:
        AddPages(context, *pPSUIInfo);
        break;
    case PROPSHEETUI_REASON_GET_INFO_HEADER:
        if (auto* header = reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(lParam)) {
            header->pTitle = const_cast<LPWSTR>(kInfoHeaderTitle);
        }
        result = 1;
        break;
    case PROPSHEETUI_REASON_DESTROY:
        result = 1;
        break;
    case PROPSHEETUI_REASON_SET_RESULT:
        if (const auto* setResult = reinterpret_cast<const SETRESULT_INFO*>(lParam)) {
            result = setResult->Result;
        }
        break;
    default:
        break;
    }
    pPSUIInfo->Result = result;
    return S_OK;
}

}  // namespace marlow
