#include "driverui/host_item_adjustment.h"

#include "driverui/document_sheet_items.h"
#include "driverui/installed_options.h"
#include "driverui/platform_version.h"
#include "driverui/ppd_file_path.h"
#include "driverui/ppd_model_loader.h"
#include "driverui/printer_sheet_items.h"
#include "ppd/ppd_model.h"

namespace marlow {
namespace {

// The host asks how many items of our own we add (none), and we read the
// PPD file the first time we find it.
void CountPluginItems(PluginContext& context, DWORD dwMode, OEMCUIPPARAM& param) {
    param.cOEMOptItems = 0;
    if (!context.pPpdModel) {
        WCHAR path[kPpdPathUnits] = {};
        if (GetPpdFilePath(param.hOEMHeap, param.hPrinter, path)) {
            context.pPpdModel = LoadPpdModel(path);
        }
    }
    if (dwMode == OEMCUIP_DOCPROP && context.pPpdModel) {
        ApplyInstalledOptions(context, param.poemuiobj);
    }
}

}  // namespace

HRESULT AdjustHostItems(PluginContext& context, DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) {
    // The record of this call replaces the previous one - also when there is
    // none, so that the pages never read through a record the host may have
    // freed since.
    context.bLegacyPlatform = FALSE;
    context.pOemCuiParam = pOemCUIPParam;
    context.bLegacyPlatform = DetectLegacyPlatform();
    if (pOemCUIPParam == nullptr) {
        return S_OK;  // nothing to count or fill
    }

    if (pOemCUIPParam->pOEMOptItems == nullptr) {
        CountPluginItems(context, dwMode, *pOemCUIPParam);
    } else if (dwMode == OEMCUIP_DOCPROP) {
        AdjustDocumentSheetItems(context, *pOemCUIPParam);
    } else if (dwMode == OEMCUIP_PRNPROP) {
        AdjustPrinterSheetItems(*pOemCUIPParam);
    }
    return S_OK;
}

}  // namespace marlow
